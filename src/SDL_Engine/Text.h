#ifndef TARVELLO_TEXT_H
#define TARVELLO_TEXT_H

#include <SDL.h>

#include <string>

class FontHolder;

// A colour for text; the fourth byte of SDL_Color is unused.
SDL_Color Rgb(Uint8 r, Uint8 g, Uint8 b);

// Text of one or more lines split at line feeds, left-aligned; callers centre by measuring.
int GetLineSkip(const FontHolder* font);
int GetTextHeight(const FontHolder* font, const std::string& text);
int GetTextWidth(const FontHolder* font, const std::string& text);
// Line i has its top-left corner at (x, y + i * line skip); empty lines keep their place.
void DrawText(const FontHolder* font, SDL_Surface* target, SDL_Color colour, int x, int y,
              const std::string& text);

#endif
