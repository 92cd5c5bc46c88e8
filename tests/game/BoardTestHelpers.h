#ifndef TARVELLO_TESTS_BOARD_TEST_HELPERS_H
#define TARVELLO_TESTS_BOARD_TEST_HELPERS_H

#include <SDL.h>

#include <tuple>

#include "SDL_Engine/Drawing.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "game/PathControl.h"

using Rgb = std::tuple<int, int, int>;

inline Rgb ColourAt(SDL_Surface* surface, int x, int y) {
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(GetPixel(surface, x, y), surface->format, &r, &g, &b);
    return Rgb(r, g, b);
}

const Rgb White(255, 255, 255);
const Rgb Grey(70, 70, 70);
const Rgb Black(0, 0, 0);
const Rgb BoardColour[4] = {Rgb(0, 255, 64), Rgb(255, 50, 50), Rgb(0, 128, 255), Rgb(255, 255, 0)};

// Track square i of the ring, counted from the first node.
inline PathNode* TrackNode(const PathControl& path, int i) {
    PathNode* node = path.GetFirst();
    for (int k = 0; k < i; ++k) node = node->next;
    return node;
}

// The square steps squares along the player's route from node (null past the final square).
inline PathNode* Along(const LudoPlayer& player, PathNode* node, int steps) {
    for (int i = 0; i < steps && node; ++i) node = player.NextNode(node);
    return node;
}

// Sets piece k down on node as a finished move would, occupant included.
inline void Put(LudoPlayer& player, int k, PathNode* node) {
    LudoPiece* piece = player.GetPiece(k);
    if (piece->GetNode()->occupant == piece) piece->GetNode()->occupant = nullptr;
    piece->Place(node);
    if (node->kind != KindFinal) node->occupant = piece;
}

// Runs a selected move to its end; returns the final result and counts the busy updates.
inline int RunMove(LudoPlayer& player, int* busyUpdates) {
    int result = UpdateBusy;
    *busyUpdates = 0;
    for (int guard = 0; guard < 1000 && (result & UpdateBusy); ++guard) {
        result = player.Update();
        if (result & UpdateBusy) ++*busyUpdates;
    }
    return result;
}

#endif
