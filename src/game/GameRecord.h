#ifndef TARVELLO_GAME_RECORD_H
#define TARVELLO_GAME_RECORD_H

#include <SDL.h>

#include <vector>

#include "game/PlayerInfo.h"

// What the results screen shows of the last game: who finished in which order, and how long
// the game took. It belongs to no screen, so it outlives the game that fills it.
struct GameRecordData {
    std::vector<PlayerInfo> finishers;  // first place first
    Uint32 playTime = 0;                // the start tick while playing, then the ms played
};

extern GameRecordData GameRecord;

#endif
