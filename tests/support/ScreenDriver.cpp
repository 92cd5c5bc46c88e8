#include "support/ScreenDriver.h"

#include <cctype>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_CheckBox.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_GameState.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "screens/PlayerSetup.h"
#include "screens/cIntroState.h"
#include "support/SdlSession.h"

ScreenDriver::ScreenDriver() : clock(1000) {
    ExitCode = 0;
    MusicEnabled = true;
    SoundEnabled = true;
    SDL_GameState::SetNextRevealTime(0);
    SDL_Engine::CreateInstance("Tarvello");
    DropWindowEvents();
}

void ScreenDriver::Frames(int count, Uint32 step) {
    for (int i = 0; i < count; ++i) {
        FakeClock::Advance(step);
        Engine()->RunFrame();
        if (afterPass) afterPass();
    }
}

void ScreenDriver::Post(SDL_Event event) {
    DropWindowEvents();
    SDL_PushEvent(&event);
    Frames(1);
}

void ScreenDriver::UserEvent(Uint8 type, int code) {
    SDL_Event event = {};
    event.type = type;
    event.user.code = code;
    Post(event);
}

void ScreenDriver::Key(SDLKey key, SDLMod mod) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    Post(event);
}

void ScreenDriver::Type(const std::string& text) {
    for (char c : text) {
        bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
        SDLKey key = static_cast<SDLKey>(std::tolower(static_cast<unsigned char>(c)));
        Key(key, upper ? KMOD_LSHIFT : KMOD_NONE);
    }
}

void ScreenDriver::Mouse(Uint8 type, int x, int y) {
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
    } else {
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
    }
    Post(event);
}

void ScreenDriver::Click(int x, int y) {
    Move(x, y);
    Press(x, y);
    Release(x, y);
    Frames(1);
}

void ScreenDriver::StartIntro() {
    Engine()->PushState(new cIntroState());
    Frames(1);
}

void ScreenDriver::ToMainMenu() {
    StartIntro();
    Key(SDLK_ESCAPE);
}

void ScreenDriver::ToSetup() {
    ToMainMenu();
    Key(SDLK_RETURN);
}

void ScreenDriver::FillSeat(int seat, const std::string& name, int control) {
    const PlayerSetup* setup = Top<PlayerSetup>();
    const SDL_TextBox* box = setup->GetNameBox(seat);
    Click(box->GetX() + box->GetLabelWidth() + 10, box->GetY() + 5);
    Type(name);
    if (control == kEmpty) return;
    // Entry 0 is "Human ", entry 1 "Computer ".
    const SDL_CheckBox* tick = setup->GetControlList(seat)->GetBox(control == kHuman ? 0 : 1);
    Click(tick->GetX() + 5, tick->GetY() + 5);
}

void ScreenDriver::ToGame(const int controls[4]) {
    static const char* const kNames[4] = {"Gale", "Rowan", "Bryn", "Yara"};
    ToSetup();
    for (int seat = 0; seat < 4; ++seat) {
        if (controls[seat] != kEmpty) FillSeat(seat, kNames[seat], controls[seat]);
    }
    ClickStart();
}
