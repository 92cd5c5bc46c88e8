#ifndef TARVELLO_TURN_STATE_H
#define TARVELLO_TURN_STATE_H

// Where a player stands in its turn; the player stores it, the turn controller drives it.
enum TurnState {
    TurnStart = 0,   // the throw is asked for after a pause of 1000 ms
    WaitThrow = 1,   // waiting for the throw
    Rolling = 2,     // the die is rolling
    WaitSelect = 3,  // waiting for the choice of a piece
    Moving = 4,      // the chosen piece is walking
    TurnEnd = 5      // waiting until the message panel has shown every notice
};

#endif
