#ifndef TARVELLO_TESTS_WHOLE_GAME_H
#define TARVELLO_TESTS_WHOLE_GAME_H

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SDL_Engine/SurfacePtr.h"

struct WholeGameOptions {
    int seats = 4;
    bool computersOnly = false;  // seat s plays colour s; else colours and controls are drawn
    bool unevenSteps = false;    // updates 1 to 40 ms apart instead of 20
    bool checkRules = true;
    Uint32 startTick = 100000;
    long maxUpdates = 1000000;  // far above any real game
    int frameEvery = 0;         // draws the table every that many updates and hashes the pixels
};

struct WholeGameResult {
    std::string failure;  // the first broken rule, or ""
    bool ended = false;   // the end-of-game event arrived
    long updates = 0;
    int turns = 0;                   // turn beginnings, bonus turns included
    std::vector<int> finishColours;  // as the game recorded them, first place first
    uint64_t trace = 0;              // a hash of everything seen after every update
    uint64_t frames = 0;             // a hash of the frames drawn
    SurfacePtr lastFrame;            // the last of them
};

// Plays one complete game with the real referee, players, board and console under the fake
// clock, the human seats played by a script that presses as a person would, wrong pieces and
// stray buttons included. With checkRules it checks the game's rules after every update.
// The seed decides the seats, every throw, every choice and every delay, so the trace of a seed
// stays the same until the game's behaviour changes. SDL must be running with audio.
WholeGameResult PlayWholeGame(uint32_t seed, const WholeGameOptions& options);

#endif
