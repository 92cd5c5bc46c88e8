#ifndef TARVELLO_SDL_CHECK_BOX_H
#define TARVELLO_SDL_CHECK_BOX_H

#include <string>

#include "SDL_Engine/SDL_Widget.h"

class SurfaceHolder;

// A toggle drawn from two frames side by side: unchecked, then checked. A press on it flips it.
class SDL_CheckBox : public SDL_Widget {
  public:
    // Loads its own picture; raises SDL_Exception when it cannot.
    SDL_CheckBox(const std::string& file, int left, int top, int w, int h);
    // Draws with a picture that belongs to someone else.
    SDL_CheckBox(SurfaceHolder* shared, int left, int top, int w, int h);

    bool OnMouseDown(int x, int y) override;
    void Draw(SDL_Surface* screen) override;
    void AddToKey(FrameKey& key) const override;

    bool IsChecked() const { return checked; }
    void SetChecked(bool value) { checked = value; }

  private:
    bool checked;
};

#endif
