#ifndef TARVELLO_GAME_MESSAGES_H
#define TARVELLO_GAME_MESSAGES_H

// What the referee tells the players; each text follows the player's name.
enum GameMessageId {
    MessageThrow = 0,          // prompt while waiting for the throw
    MessageSelect = 1,         // prompt while waiting for the choice of a piece
    MessageNoMoves = 2,        // notice, 1000 ms
    MessageInvalidMove = 3,    // notice, 500 ms
    MessageYourTurn = 4,       // prompt at the start of a turn
    MessageWon = 5,            // notice, 1500 ms
    MessagePieceHome = 6,      // notice, 1500 ms
    MessageSixStart = 7,       // notice, 1500 ms
    MessageSixBonus = 8,       // notice, 1500 ms
    MessagePieceFinished = 9,  // notice, 500 ms
    MessageThreeSixes = 10,    // notice, 1500 ms
    GameMessageCount = 11
};

extern const char* const GameMessages[GameMessageCount];

#endif
