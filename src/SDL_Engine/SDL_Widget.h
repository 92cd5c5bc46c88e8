#ifndef TARVELLO_SDL_WIDGET_H
#define TARVELLO_SDL_WIDGET_H

#include <SDL.h>

#include <memory>
#include <string>

#include "SDL_Engine/SurfaceHolder.h"

class FrameKey;

// A mouse-driven control: a rectangle on the screen with a picture.
class SDL_Widget {
  public:
    // Shares a picture that belongs to someone else (may be null).
    SDL_Widget(SurfaceHolder* shared, int left, int top, int w, int h);
    // Draws with a picture of its own (may be null).
    SDL_Widget(std::unique_ptr<SurfaceHolder> own, int left, int top, int w, int h);
    // Loads its own picture from file; raises SDL_Exception when it cannot.
    SDL_Widget(const std::string& file, int left, int top, int w, int h);

    SDL_Widget(const SDL_Widget&) = delete;
    SDL_Widget& operator=(const SDL_Widget&) = delete;

    // Pointer motion, and the hit test every other handler goes through: the right and bottom
    // edges are outside.
    virtual bool OnMouseMove(int x, int y);
    virtual bool OnMouseDown(int x, int y);
    virtual void OnMouseUp(int x, int y);
    virtual void Draw(SDL_Surface* screen) = 0;
    // Adds what Draw shows that can change: two equal keys draw the same pixels.
    virtual void AddToKey(FrameKey& key) const = 0;
    virtual ~SDL_Widget() = default;

    void SetX(int newX) { x = newX; }
    void SetY(int newY) { y = newY; }
    int GetX() const { return x; }
    int GetY() const { return y; }
    int GetWidth() const { return width; }
    int GetHeight() const { return height; }

  protected:
    int x, y;
    int width, height;
    std::unique_ptr<SurfaceHolder> ownImage;
    SurfaceHolder* image;  // borrowed: ownImage, or a picture someone else keeps
};

#endif
