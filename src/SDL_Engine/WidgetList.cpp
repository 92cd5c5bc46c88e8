#include "SDL_Engine/WidgetList.h"

#include "SDL_Engine/FrameKey.h"

// An empty slot (a widget that was never made) is passed over by every operation.

void WidgetList::DrawAll(SDL_Surface* screen) {
    if (!screen) return;
    for (const auto& widget : widgets) {
        if (widget) widget->Draw(screen);
    }
}

void WidgetList::MouseMove(int x, int y) {
    for (const auto& widget : widgets) {
        if (widget) widget->OnMouseMove(x, y);
    }
}

void WidgetList::MouseDown(int x, int y) {
    for (const auto& widget : widgets) {
        if (widget) widget->OnMouseDown(x, y);
    }
}

void WidgetList::MouseUp(int x, int y) {
    for (const auto& widget : widgets) {
        if (widget) widget->OnMouseUp(x, y);
    }
}

void WidgetList::AddToKey(FrameKey& key) const {
    for (const auto& widget : widgets) {
        if (widget) widget->AddToKey(key);
    }
}
