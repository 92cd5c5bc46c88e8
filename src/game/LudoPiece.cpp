#include "game/LudoPiece.h"

#include "SDL_Engine/SurfaceHolder.h"

namespace {
const int StepPixels = 4;

int Towards(int from, int to) {
    if (from < to) return from + StepPixels < to ? from + StepPixels : to;
    return from - StepPixels > to ? from - StepPixels : to;
}
}  // namespace

LudoPiece::LudoPiece(int pieceColour, PathNode* spot, SurfaceHolder* sharedPicture)
    : colour(pieceColour),
      x(spot ? spot->x : 0),
      y(spot ? spot->y : 0),
      yardSpot(spot),
      node(spot),
      picture(sharedPicture),
      stepping(false) {}

LudoPiece::~LudoPiece() {
    yardSpot = nullptr;
    node = nullptr;
}

void LudoPiece::Place(PathNode* target) {
    if (!target) return;
    node = target;
    x = node->x;
    y = node->y;
}

void LudoPiece::BeginStep() {
    if (stepping || !node) return;
    PathNode* following = node->branch && node->branch->kind == colour ? node->branch : node->next;
    // A final square leads nowhere; the piece stays where it is.
    if (!following) return;
    stepping = true;
    if (node->occupant == this) node->occupant = nullptr;
    node = following;
    Animate();
}

void LudoPiece::Animate() {
    if (!node) return;
    // Both axes move in the same call, so a diagonal step takes as long as a straight one.
    if (x != node->x) x = Towards(x, node->x);
    if (y != node->y) y = Towards(y, node->y);
    if (x == node->x && y == node->y) stepping = false;
}

void LudoPiece::SendHome() {
    if (!node || !yardSpot) return;
    if (node->occupant == this) node->occupant = nullptr;
    node = yardSpot;
    yardSpot->occupant = this;
    x = yardSpot->x;
    y = yardSpot->y;
}

void LudoPiece::Draw(SDL_Surface* target, int offsetX, int offsetY) {
    if (target && picture) picture->DrawOn(target, x + offsetX, y + offsetY);
}
