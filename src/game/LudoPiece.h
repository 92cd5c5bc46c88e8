#ifndef TARVELLO_LUDO_PIECE_H
#define TARVELLO_LUDO_PIECE_H

#include <SDL.h>

#include "game/PathNode.h"

class SurfaceHolder;

// One piece: the square it stands on (or walks to), its yard spot, and where it is drawn.
class LudoPiece {
  public:
    LudoPiece(int pieceColour, PathNode* spot, SurfaceHolder* sharedPicture);
    ~LudoPiece();

    LudoPiece(const LudoPiece&) = delete;
    LudoPiece& operator=(const LudoPiece&) = delete;

    // Jumps onto node without animation; occupants are left to the caller.
    void Place(PathNode* node);
    // Leaves the current square for the next one on the colour's route and starts walking.
    void BeginStep();
    // Moves the drawn position 4 pixels towards the current square.
    void Animate();
    // Jumps back to the yard spot and occupies it.
    void SendHome();
    void Draw(SDL_Surface* target, int offsetX, int offsetY);

    int GetColour() const { return colour; }
    int GetX() const { return x; }
    int GetY() const { return y; }
    PathNode* GetNode() const { return node; }
    PathNode* GetYardSpot() const { return yardSpot; }
    bool IsStepping() const { return stepping; }

  private:
    int colour;
    int x;
    int y;
    PathNode* yardSpot;      // borrowed from the player
    PathNode* node;          // borrowed from the path or the player
    SurfaceHolder* picture;  // borrowed from the player
    bool stepping;
};

#endif
