#include "screens/ScreenSteps.h"

#include <cstdlib>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SDL_CheckBox.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "screens/GameResults.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cIntroState.h"

namespace steps {

void StartIntro(ScreenDriver& driver) {
    driver.Engine()->PushState(new cIntroState());
    driver.Frames(1);
}

void ToMainMenu(ScreenDriver& driver) {
    StartIntro(driver);
    driver.Key(SDLK_ESCAPE);
}

void ToSetup(ScreenDriver& driver) {
    ToMainMenu(driver);
    driver.Key(SDLK_RETURN);
}

void FillSeat(ScreenDriver& driver, int seat, const std::string& name, int control) {
    PlayerSetup* setup = driver.Top<PlayerSetup>();
    SDL_TextBox* box = setup->GetNameBox(seat);
    driver.Click(box->GetX() + box->GetLabelWidth() + 10, box->GetY() + 5);
    driver.Type(name);
    // Entry 0 is "Human ", entry 1 "Computer ".
    SDL_CheckBox* tick = setup->GetControlList(seat)->GetBox(control == kHuman ? 0 : 1);
    driver.Click(tick->GetX() + 5, tick->GetY() + 5);
}

void ClickStart(ScreenDriver& driver) { driver.Click(237 + 60, 187 + 25); }

void ToGame(ScreenDriver& driver, const int controls[4]) {
    static const char* const kNames[4] = {"Gale", "Rowan", "Bryn", "Yara"};
    ToSetup(driver);
    for (int seat = 0; seat < 4; ++seat) {
        if (controls[seat] >= 0) FillSeat(driver, seat, kNames[seat], controls[seat]);
    }
    ClickStart(driver);
}

bool PlayToResults(ScreenDriver& driver, Uint32 limit) {
    // Steps of 100 ms keep the game's own timing close to real play while running fast.
    return driver.RunUntil([&] { return driver.Top<GameResults>() != nullptr; }, limit, 100);
}

SDL_Color SurfaceColour(SDL_Surface* surface, int x, int y) {
    SDL_Color colour = {0, 0, 0, 0};
    SDL_LockSurface(surface);
    Uint32 pixel = GetPixel(surface, x, y);
    SDL_UnlockSurface(surface);
    SDL_GetRGB(pixel, surface->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

SDL_Color ScreenColour(ScreenDriver& driver, int x, int y) {
    return SurfaceColour(driver.Screen(), x, y);
}

bool SameColour(SDL_Color a, SDL_Color b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

}  // namespace steps
