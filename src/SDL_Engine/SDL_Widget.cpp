#include "SDL_Engine/SDL_Widget.h"

#include <utility>

SDL_Widget::SDL_Widget(SurfaceHolder* shared, int x, int y, int width, int height)
    : x(x), y(y), width(width), height(height), image(shared) {}

SDL_Widget::SDL_Widget(std::unique_ptr<SurfaceHolder> own, int x, int y, int width, int height)
    : x(x), y(y), width(width), height(height), ownImage(std::move(own)), image(ownImage.get()) {}

SDL_Widget::SDL_Widget(const std::string& file, int x, int y, int width, int height)
    : SDL_Widget(std::make_unique<SurfaceHolder>(file), x, y, width, height) {}

bool SDL_Widget::OnMouseMove(int px, int py) {
    return px >= x && px < x + width && py >= y && py < y + height;
}

bool SDL_Widget::OnMouseDown(int, int) { return false; }

void SDL_Widget::OnMouseUp(int, int) {}
