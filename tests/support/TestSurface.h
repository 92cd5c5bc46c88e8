#ifndef TARVELLO_TESTS_TEST_SURFACE_H
#define TARVELLO_TESTS_TEST_SURFACE_H

#include <SDL.h>

#include <set>
#include <utility>

#include "SDL_Engine/Drawing.h"

// A surface a test made itself, freed at scope end.
class TestSurface {
  public:
    explicit TestSurface(SDL_Surface* made) : surface(made) {}
    ~TestSurface() { SDL_FreeSurface(surface); }

    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    SDL_Surface* Get() const { return surface; }

  private:
    SDL_Surface* surface;  // owned
};

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

// FNV-1a hashes: a recorded picture or table in eight hex digits. HashWord carries a hash on
// over one value; PixelHash over a surface's size and every raw pixel value.
const Uint32 HashStart = 2166136261u;

inline Uint32 HashWord(Uint32 hash, Uint32 value) {
    for (int shift = 0; shift < 32; shift += 8)
        hash = (hash ^ ((value >> shift) & 0xFF)) * 16777619u;
    return hash;
}

inline Uint32 PixelHash(SDL_Surface* surface, Uint32 hash = HashStart) {
    hash =
        HashWord(HashWord(hash, static_cast<Uint32>(surface->w)), static_cast<Uint32>(surface->h));
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) hash = HashWord(hash, GetPixel(surface, x, y));
    }
    return hash;
}

#endif
