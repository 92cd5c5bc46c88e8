#ifndef TARVELLO_FONT_HOLDER_H
#define TARVELLO_FONT_HOLDER_H

#include <SDL_ttf.h>

#include <string>

// Owns one opened TrueType font, counted in FontCount.
class FontHolder {
  public:
    // Raises SDL_Exception with SDL's error when the font cannot be opened.
    FontHolder(const std::string& path, int pointSize);
    ~FontHolder();

    FontHolder(const FontHolder&) = delete;
    FontHolder& operator=(const FontHolder&) = delete;

    int GetPointSize() const { return size; }
    TTF_Font* Get() const { return font; }

  private:
    int size;
    TTF_Font* font;  // owned
};

#endif
