#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "support/SdlSession.h"
#include "support/TestSurface.h"

namespace {

const Uint32 Ink = 0x00ABCDEF;

// A 32-bit surface of a fixed format, so recorded pixels do not depend on the display's.
SDL_Surface* Canvas(int w, int h, int bits = 32) {
    return bits == 32 ? SDL_CreateRGBSurface(0, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0)
                      : SDL_CreateRGBSurface(0, w, h, bits, 0, 0, 0, 0);
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
// and answers the hash of what it drew.
Uint32 Lines() {
    TestSurface canvas(Canvas(64, 48));
    const int starts[][2] = {{31, 23}, {-5, -7}, {60, 2}, {2, 45}};
    int n = 0;
    for (const auto* s : starts) {
        // End points round a rectangle beyond every edge: every octant, and clipping at each side.
        for (int t = 0; t < 4 * 104; t += 7, ++n) {
            const int x = t < 104 ? t - 20 : t < 208 ? 84 : t < 312 ? 292 - t : -20;
            const int y = t < 104 ? -15 : t < 208 ? t - 119 : t < 312 ? 63 : 375 - t;
            DrawLine(canvas.Get(), 0x010305u * n, s[0], s[1], x, y);
        }
    }
    DrawLine(canvas.Get(), Ink, 10, 10, 11, 10);  // one pixel
    DrawLine(canvas.Get(), Ink, 12, 10, 12, 10);  // none
    return PixelHash(canvas.Get());
}

Uint32 Circles() {
    TestSurface canvas(Canvas(64, 48));
    const int circles[][3] = {{0, 0, 5},   {63, 47, 6},  {-3, 20, 7},  {66, 20, 4},
                              {31, 23, 0}, {20, 10, 1},  {25, 10, 2},  {31, 10, 3},
                              {40, 30, 9}, {31, 23, 40}, {10, 40, -3}, {50, 8, 4}};
    int n = 0;
    for (const auto* c : circles) {
        FillCircle(canvas.Get(), c[0], c[1], c[2], Uint8(40 * n), Uint8(255 - 20 * n), Uint8(n));
        ++n;
    }
    return PixelHash(canvas.Get());
}

Uint32 Triangles() {
    TestSurface canvas(Canvas(64, 48));
    SDL_Surface* s = canvas.Get();
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
    FillFlatBottomTriangle(s, 0, 30, 0, 34, 6, 34, 250, 0, 250);  // edges half a pixel off
    FillFlatTopTriangle(s, 10, 40, 16, 36, 10, 36, 0, 250, 250);
    FillFlatBottomTriangle(s, 40, 30, 39, 36, 52, 36, 9, 8, 7);  // single-precision steps
    FillFlatBottomTriangle(s, 30, 30, 20, 40, 40, 41, 5, 5, 5);  // base not level: nothing
    FillFlatTopTriangle(s, 30, 30, 20, 30, 40, 30, 5, 5, 5);     // no height: nothing
    return PixelHash(s);
}

Uint32 Blends() {
    TestSurface canvas(Canvas(64, 48)), source(Canvas(20, 15));
    Speckle(canvas.Get(), 1);
    Speckle(source.Get(), 2);
    for (int mode = -1; mode <= 3; ++mode) {
        BlendSurface(canvas.Get(), source.Get(), mode * 14 - 6, mode * 9 - 4, mode);
    }
    BlendSurface(canvas.Get(), source.Get(), 55, 40, 2);
    for (int flags = 0; flags <= 4; ++flags) {
        // Parts reaching beyond the source read 0 there.
        BlendSurfaceRect(canvas.Get(), source.Get(), 12 * flags - 3, 35 - flags, 3 * flags, 2, 14,
                         16, flags);
    }
    return PixelHash(canvas.Get());
}

Uint32 Scaling() {
    TestSurface source(Canvas(5, 3));
    Speckle(source.Get(), 3);
    Uint32 hash = PixelHash(source.Get());
    const unsigned sizes[][2] = {{12, 7}, {3, 2}, {5, 3}, {1, 1}, {10, 1}, {11, 9}};
    for (const auto* size : sizes) {
        TestSurface scaled(ScaleSurface(source.Get(), size[0], size[1]));
        hash = PixelHash(scaled.Get(), hash);
    }
    return hash;
}

Uint32 Copies() {
    TestSurface canvas(Canvas(64, 48)), source(Canvas(20, 15));
    Speckle(source.Get(), 4);
    BlitSurface(canvas.Get(), source.Get(), 3, 4);
    BlitSurface(canvas.Get(), source.Get(), -7, 40);
    BlitSurface(canvas.Get(), source.Get(), 30, 5, 4, 3, 8, 6);
    BlitSurface(canvas.Get(), source.Get(), 50, 20, 15, 10, 10, 10);
    BlitSurface(canvas.Get(), source.Get(), 65536 + 40, 65536 + 30);  // cut to 16 bits
    return PixelHash(canvas.Get());
}

struct Scene {
    const char* name;
    Uint32 (*draw)();
    Uint32 recorded;
};

class DrawingScene : public testing::TestWithParam<Scene> {
  protected:
    SdlSession sdl;
};

// The recorded hashes pin every pixel the scenes draw (classic SDL's blits). After an intended
// change to the drawing, re-record: run `tarvello_tests --gtest_filter='FrameHash/DrawingScene.*'`
// from the build folder and copy each printed hash into the table below.
TEST_P(DrawingScene, DrawsTheRecordedPixels) {
    const Uint32 drawn = GetParam().draw();
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(drawn));
    EXPECT_EQ(GetParam().recorded, drawn) << GetParam().name << " now hashes to " << hex;
}

INSTANTIATE_TEST_SUITE_P(
    FrameHash, DrawingScene,
    testing::Values(Scene{"Lines", Lines, 0x8B80E037}, Scene{"Circles", Circles, 0xCDBDCAAD},
                    Scene{"Triangles", Triangles, 0x0D893836}, Scene{"Blends", Blends, 0x77925E37},
                    Scene{"Scaling", Scaling, 0x24716A6D}, Scene{"Copies", Copies, 0x2D28A563}),
    [](const testing::TestParamInfo<Scene>& info) { return info.param.name; });

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
    TestSurface surface(Canvas(23, 17));
    for (int round = 0; round < 3000; ++round) {
        // Near lines, lines from far away and lines between far-apart points.
        const int reach = round % 3 == 0 ? 30 : round % 3 == 1 ? 3000 : 100000;
        std::uniform_int_distribution<int> coordinate(-reach, reach);
        const int x1 = coordinate(random), y1 = coordinate(random);
        const int x2 = round % 5 == 0 ? x1 + round % 7 - 3 : coordinate(random);
        const int y2 = round % 5 == 0 ? y1 : coordinate(random);
        SDL_FillRect(surface.Get(), nullptr, 0);
        DrawLine(surface.Get(), Ink, x1, y1, x2, y2);
        ASSERT_EQ(WalkLine(23, 17, x1, y1, x2, y2), SetPixels(surface.Get()))
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
    TestSurface surface(Canvas(10, 10));
    for (const auto* l : lines) {
        SDL_FillRect(surface.Get(), nullptr, 0);
        DrawLine(surface.Get(), Ink, l[0], l[1], l[2], l[3]);
        PixelSet expected;
        for (int k = 0; k < 10; ++k) expected.insert({l[4] + k * l[6], l[5] + k * l[7]});
        EXPECT_EQ(expected, SetPixels(surface.Get())) << l[0] << "," << l[1];
    }
}

TEST_F(DrawingTest, NullSurfacesAreIgnored) {
    TestSurface surface(Canvas(4, 4));
    SDL_Surface* s = surface.Get();
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

TEST_F(DrawingTest, FailedCopyWritesSdlErrorLine) {
    TestSurface source(Canvas(4, 4)), destination(Canvas(4, 4));
    ASSERT_EQ(0, SDL_LockSurface(destination.Get()));
    testing::internal::CaptureStderr();
    BlitSurface(destination.Get(), source.Get(), 0, 0);
    std::string written = testing::internal::GetCapturedStderr();
    SDL_UnlockSurface(destination.Get());
    EXPECT_EQ(std::string(SDL_GetError()) + "\n", written);
    EXPECT_NE("\n", written);
}

TEST_F(DrawingTest, CreatedSurfacesUseTheScreenFormatAndRefuseNegativeSizes) {
    TestSurface filled(CreateFilledSurface(7, 5, 0, 255, 64));
    EXPECT_EQ(sdl.Screen()->format->BitsPerPixel, filled.Get()->format->BitsPerPixel);
    EXPECT_EQ(7 + 5, filled.Get()->w + filled.Get()->h);
    EXPECT_EQ(SDL_MapRGB(sdl.Screen()->format, 0, 255, 64), GetPixel(filled.Get(), 6, 4));
    EXPECT_EQ(nullptr, CreateSurface(-1, 1, 0));
    EXPECT_EQ(nullptr, CreateSurface(1, -1, 0));
}

// An RLE-accelerated surface only has pixel memory while it is locked, so drawing that ignored
// the lock would lose its pixels. That is classic SDL 1.2 (up to 1.2.15); sdl12-compat (1.2.50
// on) keeps the pixels in place and does not ask for the lock, and drawing must work there too.
TEST_F(DrawingTest, PixelFunctionsLockSurfacesThatNeedItAndLeaveThemUnlocked) {
    const Uint32 Under = 0x00204060;
    auto accelerated = [Under]() {
        SDL_Surface* surface = CreateSurface(4, 4, 0);
        SDL_FillRect(surface, nullptr, Under);
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, 0);
        TestSurface blank(CreateFilledSurface(4, 4, 0, 0, 0));
        BlitSurface(blank.Get(), surface, 0, 0);
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
        TestSurface surface(accelerated()), other(accelerated());
        ASSERT_EQ(needsLock, SDL_MUSTLOCK(surface.Get()) != 0);
        EXPECT_TRUE(!needsLock || GetPixel(surface.Get(), 1, 1) == 0);
        draw(surface.Get(), other.Get());
        EXPECT_EQ(0, surface.Get()->locked + other.Get()->locked);
        ASSERT_EQ(0, SDL_LockSurface(surface.Get()));
        EXPECT_NE(Under, GetPixel(surface.Get(), 1, 1));
        SDL_UnlockSurface(surface.Get());
    }
    TestSurface source(accelerated());
    TestSurface scaled(ScaleSurface(source.Get(), 4, 4));
    ASSERT_NE(nullptr, scaled.Get());
    EXPECT_EQ(0, source.Get()->locked);
    EXPECT_EQ(Under, GetPixel(scaled.Get(), 3, 3));
}

}  // namespace
