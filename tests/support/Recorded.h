#ifndef TARVELLO_TESTS_RECORDED_H
#define TARVELLO_TESTS_RECORDED_H

#include <SDL.h>

#include <cstdint>
#include <string>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SurfaceLock.h"

// Values recorded once from a build known to be right and kept in tests/recorded.txt, one
// "name value" line each: pictures, tables and whole games, mostly as FNV-1a hashes. A test
// compares what it sees now with its line; a failure prints the line as it would now read. After a
// deliberate change, run the test program (not ctest) from the build folder with TARVELLO_RECORD=1
// and a filter for the tests concerned: it rewrites their lines instead of comparing. Then check
// the diff.
void ExpectRecorded(const std::string& name, const std::string& value);

// The exact record of frames, which differ between SDLs: classic SDL 1.2 and sdl12-compat round
// their blends differently, and each release decodes the splash pictures and draws the lettering
// with its own libraries. So each keeps its own lines: "name" for classic SDL (Debian 12),
// "name@sdl12-compat-1.2.60" for Debian 12's sdl12-compat, "name@sdl12-compat-1.2.68" for
// Debian 13's, "name@windows-sdl-1.2.15" for a Windows build. Where the SDL in use has no line,
// this says so and checks nothing: the golden pictures (support/Pictures.h), which every SDL is
// compared with, are then the check.
void ExpectRecordedPixels(const std::string& name, const std::string& value);

// The value as lower-case hex digits, at least digits of them.
std::string Hex(std::uint64_t value, int digits = 1);

// FNV-1a over 32 or 64 bits.
template <typename Word>
class Fnv1a {
  public:
    // The value's count lowest bytes in turn, lowest first.
    Fnv1a& Bytes(std::uint64_t value, int count) {
        for (int i = 0; i < count; ++i) Step(static_cast<Word>((value >> (8 * i)) & 0xFF));
        return *this;
    }
    // The whole value in one step.
    Fnv1a& Step(Word value) {
        hash = static_cast<Word>((hash ^ value) * kPrime);
        return *this;
    }
    Word Value() const { return hash; }

  private:
    static constexpr bool kWide = sizeof(Word) == 8;
    static constexpr Word kPrime = static_cast<Word>(kWide ? 0x100000001b3ull : 16777619u);
    Word hash = static_cast<Word>(kWide ? 0xcbf29ce484222325ull : 2166136261u);
};

// The surface's size and every raw pixel value, four bytes each.
inline Fnv1a<Uint32>& AddPixels(Fnv1a<Uint32>& hash, SDL_Surface* surface) {
    hash.Bytes(static_cast<Uint32>(surface->w), 4).Bytes(static_cast<Uint32>(surface->h), 4);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) hash.Bytes(GetPixel(surface, x, y), 4);
    }
    return hash;
}

// The colour a player sees at every pixel, row by row, one step each; padding and unused bytes
// are not part of the picture.
inline Fnv1a<std::uint64_t>& AddColours(Fnv1a<std::uint64_t>& hash, SDL_Surface* surface) {
    const SDL_PixelFormat* f = surface->format;
    const SurfaceLock lock(surface);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            const Uint32 pixel = GetPixel(surface, x, y);
            hash.Step(((pixel & f->Rmask) >> f->Rshift) << 16 |
                      ((pixel & f->Gmask) >> f->Gshift) << 8 | ((pixel & f->Bmask) >> f->Bshift));
        }
    }
    return hash;
}

#endif
