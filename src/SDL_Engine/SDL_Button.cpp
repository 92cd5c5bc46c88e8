#include "SDL_Engine/SDL_Button.h"

#include "SDL_Engine/FrameKey.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/UserEvent.h"

SDL_Button::SDL_Button(const std::string& file, int left, int top, int w, int h, int eventCode)
    : SDL_Widget(file, left, top, w, h), code(eventCode), state(Normal) {}

bool SDL_Button::OnMouseMove(int px, int py) {
    const bool inside = SDL_Widget::OnMouseMove(px, py);
    // A pressed button stays pressed until the release, wherever the pointer goes.
    if (state != Pressed) state = inside ? Hovered : Normal;
    return inside;
}

bool SDL_Button::OnMouseDown(int px, int py) {
    const bool inside = OnMouseMove(px, py);
    if (inside) state = Pressed;
    return inside;
}

void SDL_Button::OnMouseUp(int px, int py) {
    if (!OnMouseMove(px, py)) {
        state = Normal;
        return;
    }
    state = Hovered;
    PushUserEvent(kButtonEvent, code);
}

void SDL_Button::Draw(SDL_Surface* screen) {
    if (!screen || !image) return;
    image->DrawOn(screen, x, y, width * state, 0, width, height);
}

void SDL_Button::AddToKey(FrameKey& key) const { key << state; }
