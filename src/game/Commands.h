#ifndef TARVELLO_COMMANDS_H
#define TARVELLO_COMMANDS_H

#include "SDL_Engine/UserEvent.h"
#include "game/DataFiles.h"

// The codes of the signals posted as kSignalEvent.
constexpr int kIntroFinishedCode = 301;  // the intro has shown its last picture
constexpr int kGameOverCode = 670;       // every player has finished

// A push button: its three-frame picture, the rectangle it stands in and the code a click on it
// posts as kButtonEvent. The build reads these lines too, for the window tests' clicks.
struct ButtonLayout {
    const char* picture;
    int x, y, width, height;
    int code;
};
inline constexpr ButtonLayout kThrowButton = {DataFiles::kThrowButton, 565, 520, 30, 60, 1};
inline constexpr ButtonLayout kStartButton = {DataFiles::kStartButton, 237, 187, 125, 50, 2};
inline constexpr ButtonLayout kMainMenuButton = {DataFiles::kMainMenuButton, 15, 520, 150, 50, 3};

#endif
