#ifndef TARVELLO_PLAYER_INFO_H
#define TARVELLO_PLAYER_INFO_H

#include <SDL.h>

#include <string>

// One seat of a game as the setup screen records it.
struct PlayerInfo {
    std::string name;
    Sint32 colour;   // 0 green, 1 red, 2 blue, 3 yellow
    Sint32 control;  // 0 computer, 1 human; anything else makes no player
};

#endif
