#ifndef TARVELLO_DATAGEN_TEXT_RENDERER_H
#define TARVELLO_DATAGEN_TEXT_RENDERER_H

#include <SDL_ttf.h>

#include <string>

#include "Mask.h"

// One TrueType font at one size, turning a line of text into a coverage mask.
class TextRenderer {
  public:
    TextRenderer(const std::string& fontPath, int pointSize);
    ~TextRenderer();
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    Mask Render(const std::string& text) const;
    // Letters placed one by one with extra room between them.
    Mask RenderSpaced(const std::string& text, int spacing) const;

  private:
    TTF_Font* font;  // owned
};

#endif
