#ifndef TARVELLO_TESTS_SCREEN_STEPS_H
#define TARVELLO_TESTS_SCREEN_STEPS_H

#include <SDL.h>

#include <string>

#include "support/ScreenDriver.h"

// The ways a person moves between the screens, for the screen tests.
namespace steps {

const int kHuman = 1;
const int kComputer = 0;

// Starts the program's first screen as the entry point does.
void StartIntro(ScreenDriver& driver);
// From the start of the program to the main menu (Escape on the intro).
void ToMainMenu(ScreenDriver& driver);
// From the start of the program to an empty setup screen.
void ToSetup(ScreenDriver& driver);
// On the setup screen: types the name into the seat's box and ticks its control.
void FillSeat(ScreenDriver& driver, int seat, const std::string& name, int control);
void ClickStart(ScreenDriver& driver);
// From the start of the program to a game of the given seats ("" leaves a seat empty).
void ToGame(ScreenDriver& driver, const int controls[4]);
// Lets the game run (computer seats only) until the results screen shows.
bool PlayToResults(ScreenDriver& driver, Uint32 limit = 60u * 60u * 1000u);

// The colour of the screen's pixel as red, green, blue.
SDL_Color ScreenColour(ScreenDriver& driver, int x, int y);
SDL_Color SurfaceColour(SDL_Surface* surface, int x, int y);
bool SameColour(SDL_Color a, SDL_Color b, int tolerance = 0);

}  // namespace steps

#endif
