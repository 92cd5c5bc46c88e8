#include "SDL_Engine/WidgetList.h"

#include "SDL_Engine/FrameKey.h"
#include "SDL_Engine/SDL_Widget.h"

WidgetList::~WidgetList() {
    for (SDL_Widget*& widget : widgets) {
        delete widget;
        widget = nullptr;
    }
}

void WidgetList::Add(SDL_Widget* widget) { widgets.push_back(widget); }

void WidgetList::DrawAll(SDL_Surface* screen) {
    if (!screen) return;
    for (SDL_Widget* widget : widgets) {
        if (widget) widget->Draw(screen);
    }
}

void WidgetList::MouseMove(int x, int y) {
    for (SDL_Widget* widget : widgets) {
        if (widget) widget->OnMouseMove(x, y);
    }
}

void WidgetList::MouseDown(int x, int y) {
    for (SDL_Widget* widget : widgets) {
        if (widget) widget->OnMouseDown(x, y);
    }
}

void WidgetList::MouseUp(int x, int y) {
    for (SDL_Widget* widget : widgets) {
        if (widget) widget->OnMouseUp(x, y);
    }
}

void WidgetList::AddToKey(FrameKey& key) const {
    for (const SDL_Widget* widget : widgets) {
        if (widget) widget->AddToKey(key);
    }
}
