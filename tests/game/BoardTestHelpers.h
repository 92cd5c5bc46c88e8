#ifndef TARVELLO_TESTS_BOARD_TEST_HELPERS_H
#define TARVELLO_TESTS_BOARD_TEST_HELPERS_H

#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "game/PathControl.h"

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

// Runs a selected move to its end; returns the last result and counts the busy updates.
inline int RunMove(LudoPlayer& player, int* busyUpdates) {
    int result = UpdateBusy;
    for (*busyUpdates = 0; *busyUpdates < 1000 && (result & UpdateBusy); ++*busyUpdates) {
        result = player.Update();
    }
    --*busyUpdates;
    return result;
}

#endif
