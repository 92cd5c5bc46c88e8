#ifndef TARVELLO_GAME_BOARD_H
#define TARVELLO_GAME_BOARD_H

#include <SDL.h>

#include <memory>

#include "SDL_Engine/SurfaceHolder.h"
#include "game/PathControl.h"

// The board of one game: its path, its picture drawn once, and where the user has dragged it.
class GameBoard {
  public:
    static constexpr int Size = 491;
    static constexpr int StartX = 54;
    static constexpr int StartY = 10;

    // Raises SDL_Exception when a surface cannot be made; nothing made so far is kept.
    GameBoard();

    GameBoard(const GameBoard&) = delete;
    GameBoard& operator=(const GameBoard&) = delete;

    void Draw(SDL_Surface* target);
    bool Contains(int x, int y) const;

    void OnMouseDown(int x, int y);
    void OnMouseMove(int x, int y);
    void OnMouseUp();

    PathControl& GetPath() { return path; }
    int GetX() const { return x; }
    int GetY() const { return y; }
    SurfaceHolder* GetPicture() const { return picture.get(); }
    bool IsDragging() const { return dragging; }

  private:
    void DrawPicture();
    void DrawYard(int colour);

    bool dragging;
    int grabX;
    int grabY;
    std::unique_ptr<SurfaceHolder> picture;
    int x;
    int y;
    PathControl path;
};

#endif
