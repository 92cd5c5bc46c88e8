#ifndef TARVELLO_PATH_CONTROL_H
#define TARVELLO_PATH_CONTROL_H

#include <SDL.h>

#include <deque>
#include <memory>

#include "SDL_Engine/SurfaceHolder.h"
#include "game/PathNode.h"

// The squares the pieces walk on: a ring of 52 track squares and four home stretches of six.
class PathControl {
  public:
    static constexpr int TrackLength = 52;
    static constexpr int SquareSize = 31;

    // Raises SDL_Exception when a square picture cannot be made or the path cannot be built.
    PathControl();

    PathControl(const PathControl&) = delete;
    PathControl& operator=(const PathControl&) = delete;

    bool Generate();
    // Six new squares, the first one cell away from the entry square at (x, y).
    PathNode* MakeHomeStretch(int x, int y, int colour);
    // The colour's start square, two steps after its entry square; null for other values.
    PathNode* GetStartNode(int colour);
    // Copies the square pictures onto target once, when the board picture is drawn.
    void Draw(SDL_Surface* target);

    PathNode* GetFirst() const { return first; }

  private:
    PathNode* NewNode();
    void Append(PathNode* node);
    void DrawBranch(SDL_Surface* target, const PathNode* entry);

    std::unique_ptr<SurfaceHolder> trackSquare;
    std::unique_ptr<SurfaceHolder> colourSquare[4];
    std::deque<PathNode> nodes;  // every square made, linked below; a deque never moves them
    PathNode* first;             // borrowed from nodes, as are all the links
    PathNode* last;
};

#endif
