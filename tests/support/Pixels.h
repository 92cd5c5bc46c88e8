#ifndef TARVELLO_TESTS_PIXELS_H
#define TARVELLO_TESTS_PIXELS_H

#include <SDL.h>

#include <set>
#include <utility>

#include "SDL_Engine/Drawing.h"

using PixelSet = std::set<std::pair<int, int>>;

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
