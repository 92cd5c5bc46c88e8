#include "SDL_Engine/WidgetList.h"

#include "SDL_Engine/FrameKey.h"

void WidgetList::DrawAll(SDL_Surface* screen) {
    if (!screen) return;
    for (const auto& widget : widgets) widget->Draw(screen);
}

void WidgetList::MouseMove(int x, int y) {
    for (const auto& widget : widgets) widget->OnMouseMove(x, y);
}

void WidgetList::MouseDown(int x, int y) {
    for (const auto& widget : widgets) widget->OnMouseDown(x, y);
}

void WidgetList::MouseUp(int x, int y) {
    for (const auto& widget : widgets) widget->OnMouseUp(x, y);
}

void WidgetList::AddToKey(FrameKey& key) const {
    for (const auto& widget : widgets) widget->AddToKey(key);
}
