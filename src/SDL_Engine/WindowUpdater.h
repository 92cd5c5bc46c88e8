#ifndef TARVELLO_WINDOW_UPDATER_H
#define TARVELLO_WINDOW_UPDATER_H

#include <SDL.h>

#include <vector>

// Brings the window up to date with the screen surface after a draw, sending only the bands of
// rows that changed since the last frame shown: a still screen then costs the display nothing.
class WindowUpdater {
  public:
    // The window shows the screen as it is now when this returns.
    void Show(SDL_Surface* screen);
    // The next Show sends the whole screen (a new video mode, for one).
    void Forget();

    // The rectangles the last Show sent; empty when nothing had changed.
    const std::vector<SDL_Rect>& LastSent() const { return sent; }

  private:
    bool Matches(const SDL_Surface* screen) const;
    void ShowAll(SDL_Surface* screen);
    void FindChanges(const SDL_Surface* screen);
    bool RowChanged(int y, const Uint8* now, int& first, int& last, int& takeIn);
    void AddBand(int top, int bottom, int left, int right);
    void JoinIfMany();

    std::vector<Uint8> shown;                  // the pixels the window was last sent, row by row
    const SDL_Surface* shownScreen = nullptr;  // borrowed: only compared, never touched
    int shownW = 0, shownH = 0, shownPitch = 0, shownBytes = 0;
    // Rows changed from end to end are not kept in shown (a moving picture would cost a copy of
    // the screen every frame): they are sent whole until taken in again.
    std::vector<bool> unknown;
    std::vector<SDL_Rect> sent;
};

#endif
