#include "SDL_Engine/SDL_Widget.h"

#include "SDL_Engine/SurfaceHolder.h"

SDL_Widget::SDL_Widget(SurfaceHolder* shared, int x, int y, int width, int height)
    : ownsImage(0), x(x), y(y), width(width), height(height), image(shared) {}

SDL_Widget::SDL_Widget(const std::string& file, int x, int y, int width, int height)
    : ownsImage(1), x(x), y(y), width(width), height(height), image(new SurfaceHolder(file)) {}

SDL_Widget::~SDL_Widget() {
    if (image && ownsImage == 1) delete image;
    image = nullptr;
}

bool SDL_Widget::OnMouseMove(int px, int py) {
    return px >= x && px < x + width && py >= y && py < y + height;
}

bool SDL_Widget::OnMouseDown(int, int) { return false; }

void SDL_Widget::OnMouseUp(int, int) {}
