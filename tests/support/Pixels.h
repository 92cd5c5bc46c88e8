#ifndef TARVELLO_TESTS_PIXELS_H
#define TARVELLO_TESTS_PIXELS_H

#include <SDL.h>

#include <set>
#include <utility>

#include "SDL_Engine/Drawing.h"

using PixelSet = std::set<std::pair<int, int>>;

// The colour shown at a pixel, as 0xRRGGBB: bits the format leaves unused are not part of it.
inline Uint32 ColourAt(SDL_Surface* surface, int x, int y) {
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(GetPixel(surface, x, y), surface->format, &r, &g, &b);
    return Uint32(r) << 16 | Uint32(g) << 8 | b;
}

// The positions of every pixel whose value is not 0.
inline PixelSet SetPixels(SDL_Surface* surface) {
    PixelSet found;
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            if (GetPixel(surface, x, y) != 0) found.insert({x, y});
        }
    }
    return found;
}

#endif
