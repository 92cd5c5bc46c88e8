#ifndef TARVELLO_PATH_NODE_H
#define TARVELLO_PATH_NODE_H

class LudoPiece;

// Kinds of square besides the home-stretch kinds 0 to 3, which are the colour indices.
enum { KindTrack = 4, KindYardSpot = 5, KindFinal = 6 };

// One square of the board, or a yard spot; positions are board-picture pixels (top-left corner).
struct PathNode {
    int kind = KindTrack;
    int x = 0;
    int y = 0;
    PathNode* next = nullptr;       // null on a final square and on yard spots
    PathNode* prev = nullptr;       // null on the first square of a home stretch and on yard spots
    PathNode* branch = nullptr;     // the home stretch leaving an entry square, else null
    LudoPiece* occupant = nullptr;  // borrowed from its player
};

#endif
