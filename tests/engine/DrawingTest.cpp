#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SurfaceLock.h"
#include "support/Pixels.h"
#include "support/Recorded.h"
#include "support/SdlSession.h"

namespace {

const Uint32 Ink = 0x00ABCDEF;

// A 32-bit surface of a fixed format, so recorded pixels do not depend on the display's.
SurfacePtr Canvas(int w, int h) { return CreateSurface(w, h, 0, PixelLayout::Rgb32); }

Uint32 PixelHash(SDL_Surface* surface) {
    Fnv1a<Uint32> hash;
    return AddPixels(hash, surface).Value();
}

// Every pixel a different raw value, the top byte included, from a fixed sequence.
void Speckle(SDL_Surface* surface, Uint32 seed) {
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            PutPixel(surface, x, y, seed);
        }
    }
}

// Each scene draws many calls of one kind of primitive, over every edge of a 64 by 48 canvas,
// and answers the hash of what it drew. Lines are checked against the plain walk below.
Uint32 Circles() {
    SurfacePtr canvas(Canvas(64, 48));
    const int circles[][3] = {{0, 0, 5},   {63, 47, 6},  {-3, 20, 7},  {66, 20, 4},
                              {31, 23, 0}, {20, 10, 1},  {25, 10, 2},  {31, 10, 3},
                              {40, 30, 9}, {31, 23, 40}, {10, 40, -3}, {50, 8, 4}};
    int n = 0;
    for (const auto* c : circles) {
        FillCircle(canvas.get(), c[0], c[1], c[2], Uint8(40 * n), Uint8(255 - 20 * n), Uint8(n));
        ++n;
    }
    return PixelHash(canvas.get());
}

Uint32 Triangles() {
    SurfacePtr canvas(Canvas(64, 48));
    SDL_Surface* s = canvas.get();
    FillTriangle(s, 3, 2, 20, 9, 1, 17, 200, 10, 10);
    FillTriangle(s, 30, 1, 22, 14, 41, 14, 10, 200, 10);    // flat bottom
    FillTriangle(s, 44, 3, 60, 3, 53, 20, 10, 10, 200);     // flat top
    FillTriangle(s, -10, 20, 80, 30, 20, 60, 90, 90, 90);   // over three edges
    FillTriangle(s, 5, 30, 5, 40, 5, 45, 255, 255, 255);    // one column
    FillTriangle(s, 5, 30, 15, 30, 25, 30, 255, 255, 255);  // one row
    FillTriangle(s, 62, 40, 50, 47, 63, 47, 1, 2, 3);
    // One triangle with its corners in every order, side by side.
    int corners[] = {0, 1, 2};
    do {
        const int x[] = {0, 7, 2}, y[] = {0, 4, 9}, a = corners[0], b = corners[1], c = corners[2];
        const int left = 20 + 8 * (corners[0] * 2 + (corners[1] > corners[2]));
        FillTriangle(s, left + x[a], 37 + y[a], left + x[b], 37 + y[b], left + x[c], 37 + y[c], 0,
                     99, 0);
    } while (std::next_permutation(corners, corners + 3));
    // Edges half a pixel off, single-precision steps, a base not level and no height (nothing).
    FillFlatBottomTriangle(s, 0, 30, 0, 34, 6, 34, 250, 0, 250);
    FillFlatTopTriangle(s, 10, 40, 16, 36, 10, 36, 0, 250, 250);
    FillFlatBottomTriangle(s, 40, 30, 39, 36, 52, 36, 9, 8, 7);
    FillFlatBottomTriangle(s, 30, 30, 20, 40, 40, 41, 5, 5, 5);
    FillFlatTopTriangle(s, 30, 30, 20, 30, 40, 30, 5, 5, 5);
    return PixelHash(s);
}

Uint32 Blends() {
    SurfacePtr canvas(Canvas(64, 48)), source(Canvas(20, 15));
    Speckle(canvas.get(), 1);
    Speckle(source.get(), 2);
    for (int mode = -1; mode <= 3; ++mode) {
        BlendSurface(canvas.get(), source.get(), mode * 14 - 6, mode * 9 - 4, mode);
    }
    BlendSurface(canvas.get(), source.get(), 55, 40, 2);
    for (int flags = 0; flags <= 4; ++flags) {
        // Parts reaching beyond the source read 0 there.
        BlendSurfaceRect(canvas.get(), source.get(), 12 * flags - 3, 35 - flags, 3 * flags, 2, 14,
                         16, flags);
    }
    return PixelHash(canvas.get());
}

Uint32 Scaling() {
    SurfacePtr source(Canvas(5, 3));
    Speckle(source.get(), 3);
    Fnv1a<Uint32> hash;
    AddPixels(hash, source.get());
    const unsigned sizes[][2] = {{12, 7}, {3, 2}, {5, 3}, {1, 1}, {10, 1}, {11, 9}};
    for (const auto& size : sizes)
        AddPixels(hash, ScaleSurface(source.get(), size[0], size[1]).get());
    return hash.Value();
}

Uint32 Copies() {
    SurfacePtr canvas(Canvas(64, 48)), source(Canvas(20, 15));
    Speckle(source.get(), 4);
    BlitSurface(canvas.get(), source.get(), 3, 4);
    BlitSurface(canvas.get(), source.get(), -7, 40);
    BlitSurface(canvas.get(), source.get(), 30, 5, 4, 3, 8, 6);
    BlitSurface(canvas.get(), source.get(), 50, 20, 15, 10, 10, 10);
    BlitSurface(canvas.get(), source.get(), 65536 + 40, 65536 + 30);  // cut to 16 bits
    // SDL's blitter copies these, and may write what it likes into the byte no colour uses.
    Fnv1a<std::uint64_t> hash;
    return static_cast<Uint32>(AddColours(hash, canvas.get()).Value());
}

struct Scene {
    const char* name;
    Uint32 (*draw)();
};

void PrintTo(const Scene& scene, std::ostream* out) { *out << scene.name; }

class DrawingScene : public testing::TestWithParam<Scene> {
  protected:
    SdlSession sdl;
};

TEST_P(DrawingScene, DrawsTheRecordedPixels) {
    ExpectRecorded(std::string("Drawing.") + GetParam().name, Hex(GetParam().draw(), 8));
}

INSTANTIATE_TEST_SUITE_P(FrameHash, DrawingScene,
                         testing::Values(Scene{"Circles", Circles}, Scene{"Triangles", Triangles},
                                         Scene{"Blends", Blends}, Scene{"Scaling", Scaling},
                                         Scene{"Copies", Copies}),
                         testing::PrintToStringParamName());

class DrawingTest : public testing::Test {
  protected:
    SdlSession sdl;
};

// The plain walk: one step per pixel from the start up to, not including, the end point.
PixelSet WalkLine(int width, int height, long long x1, long long y1, long long x2, long long y2) {
    PixelSet pixels;
    const long long dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
    const long long sx = x1 > x2 ? -1 : 1, sy = y1 > y2 ? -1 : 1;
    const bool xMajor = dx >= dy;
    const long long steps = xMajor ? dx : dy;
    long long d = xMajor ? 2 * dy - dx : 2 * dx - dy;
    for (long long i = 0, x = x1, y = y1; i < steps; ++i) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels.insert({int(x), int(y)});
        const bool diagonal = d >= 0;
        d += diagonal ? 2 * ((xMajor ? dy : dx) - steps) : 2 * (xMajor ? dy : dx);
        if (xMajor || diagonal) x += sx;
        if (!xMajor || diagonal) y += sy;
    }
    return pixels;
}

TEST_F(DrawingTest, LinesDrawTheSamePixelsAsThePlainWalkInEveryDirectionAndDistance) {
    std::mt19937 random(7);
    SurfacePtr surface(Canvas(23, 17));
    for (int round = 0; round < 3000; ++round) {
        // Near lines, lines from far away and lines between far-apart points.
        const int reach = round % 3 == 0 ? 30 : round % 3 == 1 ? 3000 : 100000;
        std::uniform_int_distribution<int> coordinate(-reach, reach);
        const int x1 = coordinate(random), y1 = coordinate(random);
        const int x2 = round % 5 == 0 ? x1 + round % 7 - 3 : coordinate(random);
        const int y2 = round % 5 == 0 ? y1 : coordinate(random);
        SDL_FillRect(surface.get(), nullptr, 0);
        DrawLine(surface.get(), Ink, x1, y1, x2, y2);
        ASSERT_EQ(WalkLine(23, 17, x1, y1, x2, y2), SetPixels(surface.get()))
            << x1 << "," << y1 << " to " << x2 << "," << y2;
    }
}

// Lines between the int range's ends would take billions of steps to walk; the surface only sees
// ten of them, at (column + k * dc, row + k * dr), and those must come out at once.
TEST_F(DrawingTest, LinesBetweenTheEndsOfTheIntRangeDrawOnlyTheirVisiblePart) {
    const int Low = std::numeric_limits<int>::min(), High = std::numeric_limits<int>::max();
    const int lines[][8] = {{Low, Low, High, High, 0, 0, 1, 1}, {High, High, Low, Low, 0, 0, 1, 1},
                            {Low, 0, High, 1, 0, 1, 1, 0},      {Low, 1, High, 0, 0, 0, 1, 0},
                            {-1, Low, 1, High, 0, 0, 0, 1},     {9, High, 9, Low, 9, 0, 0, 1}};
    SurfacePtr surface(Canvas(10, 10));
    for (const auto* l : lines) {
        SDL_FillRect(surface.get(), nullptr, 0);
        DrawLine(surface.get(), Ink, l[0], l[1], l[2], l[3]);
        PixelSet expected;
        for (int k = 0; k < 10; ++k) expected.insert({l[4] + k * l[6], l[5] + k * l[7]});
        EXPECT_EQ(expected, SetPixels(surface.get())) << l[0] << "," << l[1];
    }
}

TEST_F(DrawingTest, NullSurfacesAreIgnoredAndNegativeSizesMakeNone) {
    // SDL would make a surface of a negative size that faults later; an empty one is fine.
    EXPECT_EQ(nullptr, CreateSurface(-1, 4));
    EXPECT_EQ(nullptr, CreateSurface(4, -1, 0, PixelLayout::Rgb32));
    EXPECT_NE(nullptr, CreateSurface(0, 0));
    testing::internal::CaptureStderr();
    SurfacePtr filled = CreateFilledSurface(2, 2, 1, 2, 3);
    EXPECT_EQ(SDL_MapRGB(filled->format, 1, 2, 3), GetPixel(filled.get(), 1, 1));
    EXPECT_EQ("", testing::internal::GetCapturedStderr()) << "a fill that worked was reported";
    SurfacePtr surface(Canvas(4, 4));
    SDL_Surface* s = surface.get();
    SDL_FillRect(s, nullptr, 0);
    BlitSurface(nullptr, s, 0, 0);
    BlitSurface(s, nullptr, 0, 0, 0, 0, 2, 2);
    FillCircle(nullptr, 1, 1, 3, 1, 2, 3);
    DrawLine(nullptr, Ink, 0, 0, 3, 3);
    FillFlatBottomTriangle(nullptr, 1, 0, 0, 3, 3, 3, 1, 2, 3);
    FillFlatTopTriangle(nullptr, 1, 3, 0, 0, 3, 0, 1, 2, 3);
    FillTriangle(nullptr, 0, 0, 3, 1, 1, 3, 1, 2, 3);
    EXPECT_EQ(nullptr, ScaleSurface(nullptr, 4, 4));
    EXPECT_EQ(nullptr, ScaleSurface(s, 0, 4));
    EXPECT_EQ(nullptr, ScaleSurface(s, 4, 0));
    BlendSurface(nullptr, s, 0, 0, 0);
    BlendSurface(s, nullptr, 0, 0, 0);
    BlendSurfaceRect(nullptr, s, 0, 0, 0, 0, 2, 2, 1);
    BlendSurfaceRect(s, nullptr, 0, 0, 0, 0, 2, 2, 1);
    EXPECT_EQ(0u, GetPixel(nullptr, 0, 0));
    PutPixel(nullptr, 0, 0, Ink);
    EXPECT_TRUE(SetPixels(s).empty());
}

// An RLE-accelerated surface only has pixel memory while it is locked, so drawing that ignored
// the lock would lose its pixels. That is classic SDL 1.2 (up to 1.2.15); sdl12-compat (1.2.50
// on) keeps the pixels in place and does not ask for the lock, and drawing must work there too.
TEST_F(DrawingTest, PixelFunctionsLockSurfacesThatNeedItAndLeaveThemUnlocked) {
    const Uint32 Under = 0x00204060;
    auto accelerated = [Under]() {
        SurfacePtr surface = CreateSurface(4, 4, 0);
        SDL_FillRect(surface.get(), nullptr, Under);
        SDL_SetColorKey(surface.get(), SDL_SRCCOLORKEY | SDL_RLEACCEL, 0);
        SurfacePtr blank(CreateFilledSurface(4, 4, 0, 0, 0));
        BlitSurface(blank.get(), surface.get(), 0, 0);
        return surface;
    };
    // Each draws on the first of two accelerated surfaces, using the second as its source.
    const std::vector<std::function<void(SDL_Surface*, SDL_Surface*)>> draws = {
        [](SDL_Surface* s, SDL_Surface*) { DrawLine(s, 0x6080A0, 0, 1, 3, 1); },
        [](SDL_Surface* s, SDL_Surface*) { FillCircle(s, 1, 1, 2, 0x60, 0x80, 0xA0); },
        [](SDL_Surface* s, SDL_Surface* o) { BlendSurface(s, o, 0, 0, 2); },
        [](SDL_Surface* s, SDL_Surface* o) { BlendSurfaceRect(s, o, 0, 0, 0, 0, 4, 4, 2); }};
    const bool needsLock = SDL_Linked_Version()->patch < 50;
    for (const auto& draw : draws) {
        SurfacePtr surface(accelerated()), other(accelerated());
        ASSERT_EQ(needsLock, SDL_MUSTLOCK(surface.get()) != 0);
        EXPECT_TRUE(!needsLock || GetPixel(surface.get(), 1, 1) == 0);
        draw(surface.get(), other.get());
        EXPECT_EQ(0, surface.get()->locked);
        EXPECT_EQ(0, other.get()->locked);
        const SurfaceLock lock(surface.get());
        ASSERT_TRUE(lock.Ok());
        EXPECT_NE(Under, GetPixel(surface.get(), 1, 1));
    }
    SurfacePtr source(accelerated());
    SurfacePtr scaled(ScaleSurface(source.get(), 4, 4));
    ASSERT_NE(nullptr, scaled.get());
    EXPECT_EQ(0, source.get()->locked);
    EXPECT_EQ(Under, GetPixel(scaled.get(), 3, 3));
}

}  // namespace
