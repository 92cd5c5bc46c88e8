#include "SDL_Engine/SDL_Widget.h"

#include <utility>

SDL_Widget::SDL_Widget(SurfaceHolder* shared, int left, int top, int w, int h)
    : x(left), y(top), width(w), height(h), image(shared) {}

SDL_Widget::SDL_Widget(std::unique_ptr<SurfaceHolder> own, int left, int top, int w, int h)
    : x(left), y(top), width(w), height(h), ownImage(std::move(own)), image(ownImage.get()) {}

SDL_Widget::SDL_Widget(const std::string& file, int left, int top, int w, int h)
    : SDL_Widget(std::make_unique<SurfaceHolder>(file), left, top, w, h) {}

bool SDL_Widget::OnMouseMove(int px, int py) {
    return px >= x && px < x + width && py >= y && py < y + height;
}

bool SDL_Widget::OnMouseDown(int, int) { return false; }

void SDL_Widget::OnMouseUp(int, int) {}
