#ifndef TARVELLO_FONT_HOLDER_H
#define TARVELLO_FONT_HOLDER_H

#include <SDL_ttf.h>

#include <string>

#include "SDL_Engine/CountedHandle.h"
#include "SDL_Engine/ResourceCounters.h"

// Closes a font when its holder goes.
struct FontClose {
    void operator()(TTF_Font* opened) const { TTF_CloseFont(opened); }
};

// Owns one opened TrueType font, counted in FontCount.
class FontHolder {
  public:
    // Raises SDL_Exception with SDL's error when the font cannot be opened.
    FontHolder(const std::string& path, int pointSize);

    int GetPointSize() const { return size; }
    TTF_Font* Get() const { return font.get(); }

  private:
    int size;
    CountedHandle<TTF_Font, FontClose, FontCount> font;
};

#endif
