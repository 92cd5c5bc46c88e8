#include "support/ScreenDriver.h"

#include <cctype>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_GameState.h"

ScreenDriver::ScreenDriver(Uint32 start) : clock(start) {
    ExitCode = 0;
    MusicEnabled = true;
    SoundEnabled = true;
    SDL_GameState::SetNextRevealTime(0);
    SDL_Engine::CreateInstance("Tarvello");
}

ScreenDriver::~ScreenDriver() { Shutdown(); }

void ScreenDriver::Shutdown() { SDL_Engine::DestroyInstance(); }

void ScreenDriver::Frames(int count, Uint32 step) {
    for (int i = 0; i < count; ++i) {
        FakeClock::Advance(step);
        Engine()->RunFrame();
    }
}

bool ScreenDriver::RunUntil(const std::function<bool()>& done, Uint32 limit, Uint32 step) {
    for (Uint32 spent = 0; spent < limit; spent += step) {
        if (done()) return true;
        Frames(1, step);
    }
    return done();
}

void ScreenDriver::Post(SDL_Event event, Uint32 step) {
    SDL_PushEvent(&event);
    Frames(1, step);
}

namespace {
SDL_Event KeyDown(SDLKey key, SDLMod mod) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    return event;
}
}  // namespace

void ScreenDriver::Key(SDLKey key, SDLMod mod) { Post(KeyDown(key, mod)); }

void ScreenDriver::KeyAtOnce(SDLKey key) { Post(KeyDown(key, KMOD_NONE), 0); }

void ScreenDriver::Type(const std::string& text) {
    for (char c : text) {
        bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
        SDLKey key = static_cast<SDLKey>(std::tolower(static_cast<unsigned char>(c)));
        Key(key, upper ? KMOD_LSHIFT : KMOD_NONE);
    }
}

void ScreenDriver::Move(int x, int y) {
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    Post(event);
}

void ScreenDriver::MouseButton(Uint8 type, int x, int y) {
    SDL_Event event = {};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    Post(event);
}

void ScreenDriver::Press(int x, int y) { MouseButton(SDL_MOUSEBUTTONDOWN, x, y); }

void ScreenDriver::Release(int x, int y) { MouseButton(SDL_MOUSEBUTTONUP, x, y); }

void ScreenDriver::Click(int x, int y) {
    Move(x, y);
    Press(x, y);
    Release(x, y);
    Frames(1);
}
