#ifndef TARVELLO_WIDGET_LIST_H
#define TARVELLO_WIDGET_LIST_H

#include <SDL.h>

#include <vector>

class FrameKey;
class SDL_Widget;

// The widgets of one screen: every widget sees every mouse event, in the order it was added.
class WidgetList {
  public:
    WidgetList() = default;
    ~WidgetList();

    WidgetList(const WidgetList&) = delete;
    WidgetList& operator=(const WidgetList&) = delete;

    // Takes ownership of widget.
    void Add(SDL_Widget* widget);
    void DrawAll(SDL_Surface* screen);
    void AddToKey(FrameKey& key) const;
    void MouseMove(int x, int y);
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);

    std::size_t Size() const { return widgets.size(); }

  private:
    std::vector<SDL_Widget*> widgets;  // owned; entries may be null
};

#endif
