#include "SDL_Engine/SDL_CheckBox.h"

#include "SDL_Engine/FrameKey.h"
#include "SDL_Engine/SurfaceHolder.h"

SDL_CheckBox::SDL_CheckBox(const std::string& file, int left, int top, int w, int h)
    : SDL_Widget(file, left, top, w, h), checked(false) {}

SDL_CheckBox::SDL_CheckBox(SurfaceHolder* shared, int left, int top, int w, int h)
    : SDL_Widget(shared, left, top, w, h), checked(false) {}

bool SDL_CheckBox::OnMouseDown(int px, int py) {
    const bool hit = OnMouseMove(px, py);
    if (hit) checked = !checked;
    return hit;
}

void SDL_CheckBox::Draw(SDL_Surface* screen) {
    if (!screen || !image) return;
    image->DrawOn(screen, x, y, checked ? width : 0, 0, width, height);
}

void SDL_CheckBox::AddToKey(FrameKey& key) const { key << checked; }
