#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/TextCache.h"
#include "support/SdlSession.h"
#include "support/TestSurface.h"

namespace {

const char* const FontFile = "data/fonts/Jester.ttf";

SDL_Surface* Canvas() {
    SDL_Surface* canvas = SDL_CreateRGBSurface(0, 300, 200, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_FillRect(canvas, nullptr, SDL_MapRGB(canvas->format, 200, 180, 40));
    return canvas;
}

bool SamePixels(SDL_Surface* a, SDL_Surface* b) {
    for (int y = 0; y < a->h; ++y) {
        const Uint8* rowA = static_cast<const Uint8*>(a->pixels) + y * a->pitch;
        const Uint8* rowB = static_cast<const Uint8*>(b->pixels) + y * b->pitch;
        if (std::memcmp(rowA, rowB, static_cast<std::size_t>(a->w) * 4) != 0) return false;
    }
    return true;
}

// Lines, an empty line keeping its place, and colours told apart.
TEST(TextCache, DrawsWhatDrawTextDrawsFrameAfterFrame) {
    SdlSession sdl;
    FontHolder font(FontFile, 21);
    TextCache cache;
    const SDL_Color blue = {20, 40, 230, 0}, red = {230, 30, 20, 0};
    const std::string text = "Human \n\nComputer ";
    TestSurface expected(Canvas()), drawn(Canvas());
    DrawText(&font, expected.Get(), blue, 12, 7, text);
    DrawText(&font, expected.Get(), red, 40, 150, "Human ");
    for (int frame = 0; frame < 3; ++frame) {
        SDL_FillRect(drawn.Get(), nullptr, SDL_MapRGB(drawn.Get()->format, 200, 180, 40));
        cache.Draw(&font, drawn.Get(), blue, 12, 7, text);
        cache.Draw(&font, drawn.Get(), red, 40, 150, "Human ");
        EXPECT_TRUE(SamePixels(expected.Get(), drawn.Get())) << "frame " << frame;
    }
}

TEST(TextCache, KeepsOnePictureALineAndFreesThemAll) {
    SdlSession sdl;
    FontHolder font(FontFile, 21);
    const int surfaces = SurfaceCount;
    {
        TextCache cache;
        TestSurface target(Canvas());
        const SDL_Color black = {0, 0, 0, 0};
        for (int frame = 0; frame < 5; ++frame)
            cache.Draw(&font, target.Get(), black, 0, 0, "4x\n3x");
        EXPECT_EQ(surfaces + 2, SurfaceCount);
        // Ever new words (a name being typed) do not pile up without end.
        for (int n = 0; n < 500; ++n)
            cache.Draw(&font, target.Get(), black, 0, 0, std::to_string(n));
        EXPECT_LE(SurfaceCount, surfaces + 64);
    }
    EXPECT_EQ(surfaces, SurfaceCount);
}

}  // namespace
