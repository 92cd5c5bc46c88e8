#ifndef TARVELLO_WIDGET_LIST_H
#define TARVELLO_WIDGET_LIST_H

#include <SDL.h>

#include <memory>
#include <utility>
#include <vector>

#include "SDL_Engine/SDL_Widget.h"

class FrameKey;

// The widgets of one screen: every widget sees every mouse event, in the order it was added.
class WidgetList {
  public:
    WidgetList() = default;

    WidgetList(const WidgetList&) = delete;
    WidgetList& operator=(const WidgetList&) = delete;

    // Keeps the widget for the list's life; answers it, borrowed, for the screen to ask later.
    template <class Widget>
    Widget* Add(std::unique_ptr<Widget> widget) {
        widgets.push_back(std::move(widget));
        return static_cast<Widget*>(widgets.back().get());
    }
    void DrawAll(SDL_Surface* screen);
    void AddToKey(FrameKey& key) const;
    void MouseMove(int x, int y);
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);

    std::size_t Size() const { return widgets.size(); }

  private:
    std::vector<std::unique_ptr<SDL_Widget>> widgets;
};

#endif
