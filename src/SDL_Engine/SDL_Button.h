#ifndef TARVELLO_SDL_BUTTON_H
#define TARVELLO_SDL_BUTTON_H

#include <string>

#include "SDL_Engine/SDL_Widget.h"

// A push button drawn from three frames side by side (normal, hovered, pressed). A release over
// it posts a kButtonEvent carrying the button's code; the owning screen acts on it.
class SDL_Button : public SDL_Widget {
  public:
    enum { Normal = 0, Hovered = 1, Pressed = 2 };

    // Loads its own picture; raises SDL_Exception when it cannot.
    SDL_Button(const std::string& file, int left, int top, int w, int h, int eventCode);

    bool OnMouseMove(int x, int y) override;
    bool OnMouseDown(int x, int y) override;
    void OnMouseUp(int x, int y) override;
    void Draw(SDL_Surface* screen) override;
    void AddToKey(FrameKey& key) const override;

    int GetState() const { return state; }
    int GetCode() const { return code; }

  private:
    int code;
    int state;
};

#endif
