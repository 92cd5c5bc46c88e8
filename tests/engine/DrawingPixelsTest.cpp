#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "support/SdlSession.h"
#include "support/TestSurface.h"

namespace {

const Uint32 Under = 0x00204060;
const Uint32 Over = 0x006080A0;

class PixelTest : public ::testing::Test {
  protected:
    // A surface of the screen's format holding one raw pixel value everywhere.
    SDL_Surface* Plain(int w, int h, Uint32 value) {
        surfaces.push_back(std::make_unique<TestSurface>(CreateSurface(w, h, 0)));
        SDL_FillRect(surfaces.back()->Get(), nullptr, value);
        return surfaces.back()->Get();
    }

    // Every pixel of the surface, row by row.
    static std::vector<Uint32> Pixels(SDL_Surface* surface) {
        std::vector<Uint32> values;
        for (int y = 0; y < surface->h; ++y) {
            for (int x = 0; x < surface->w; ++x) values.push_back(GetPixel(surface, x, y));
        }
        return values;
    }

    SdlSession sdl;
    std::vector<std::unique_ptr<TestSurface>> surfaces;
};

class PixelDepthTest : public ::testing::TestWithParam<int> {};

TEST_P(PixelDepthTest, WritesOnlyItsOwnPixelAndDropsWritesOutside) {
    const int bytes = GetParam();
    TestSurface surface(SDL_CreateRGBSurface(0, 3, 3, bytes * 8, 0, 0, 0, 0));
    ASSERT_EQ(bytes, surface.Get()->format->BytesPerPixel);
    const Uint32 value = 0xC1B2A394u & (bytes == 4 ? 0xFFFFFFFFu : (1u << (8 * bytes)) - 1);
    PutPixel(surface.Get(), 1, 1, value);
    PutPixel(surface.Get(), -1, 0, value);
    PutPixel(surface.Get(), 0, -1, value);
    PutPixel(surface.Get(), 3, 0, value);
    PutPixel(surface.Get(), 0, 3, value);
    EXPECT_EQ(PixelSet({{1, 1}}), SetPixels(surface.Get()));
    EXPECT_EQ(value, GetPixel(surface.Get(), 1, 1));
}

TEST_P(PixelDepthTest, ReadsOutsideGiveZero) {
    const int bytes = GetParam();
    TestSurface surface(SDL_CreateRGBSurface(0, 3, 3, bytes * 8, 0, 0, 0, 0));
    SDL_FillRect(surface.Get(), nullptr, 0xFFFFFFFF);
    EXPECT_EQ(0u, GetPixel(surface.Get(), 3, 0));
    EXPECT_EQ(0u, GetPixel(surface.Get(), 0, 3));
    EXPECT_EQ(0u, GetPixel(surface.Get(), -1, 0));
    EXPECT_EQ(0u, GetPixel(surface.Get(), 0, -1));
    EXPECT_NE(0u, GetPixel(surface.Get(), 2, 2));
}

INSTANTIATE_TEST_SUITE_P(BytesPerPixel, PixelDepthTest, ::testing::Values(1, 2, 3, 4));

struct CombineCase {
    Uint32 (*combine)(Uint32, Uint32);
    Uint32 a, b, expected;
};

class CombineTest : public ::testing::TestWithParam<CombineCase> {};

TEST_P(CombineTest, EachChannelCombinesAloneAndTopByteIsCleared) {
    const CombineCase& c = GetParam();
    EXPECT_EQ(c.expected, c.combine(c.a, c.b));
}

INSTANTIATE_TEST_SUITE_P(
    Helpers, CombineTest,
    ::testing::Values(CombineCase{BlendMultiply, 0xFFFFFF, 0xFFFFFF, 0xFEFEFE},
                      CombineCase{BlendMultiply, 0xFFFFFFFF, 0xFF00FF80, 0x0000FE7F},
                      CombineCase{BlendMultiply, 0xFF800000, 0x12020000, 0x00010000},
                      CombineCase{BlendAdd, 0x0000F0, 0x000020, 0x0000FF},
                      CombineCase{BlendAdd, 0x80102030, 0x01F00510, 0x00FF2540},
                      CombineCase{BlendAverage, 0x000003, 0x000000, 0x000001},
                      CombineCase{BlendAverage, 0xFF204060, 0xFF6080A0, 0x00406080},
                      CombineCase{BlendAverage, 0xFF000000, 0xFF000000, 0}));

struct BlendCase {
    int mode;
    Uint32 expected;
};

class BlendSurfaceTest : public PixelTest, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(BlendSurfaceTest, CombinesEveryCoveredPixelAndLeavesTheRest) {
    SDL_Surface* destination = Plain(4, 4, Under);
    BlendSurface(destination, Plain(2, 2, Over), 1, 2, GetParam().mode);
    const Uint32 e = GetParam().expected, u = Under;
    EXPECT_EQ(std::vector<Uint32>({u, u, u, u, u, u, u, u, u, e, e, u, u, e, e, u}),
              Pixels(destination));
}

INSTANTIATE_TEST_SUITE_P(Modes, BlendSurfaceTest,
                         ::testing::Values(BlendCase{0, 0x00406080}, BlendCase{1, 0x000C203C},
                                           BlendCase{2, 0x0080C0FF}, BlendCase{3, 0},
                                           BlendCase{-1, 0}));

TEST_F(PixelTest, BlendOverTheEdgeTouchesOnlyPixelsInside) {
    SDL_Surface* destination = Plain(2, 2, Under);
    BlendSurface(destination, Plain(2, 2, Over), -1, 1, 3);
    EXPECT_EQ(std::vector<Uint32>({Under, Under, 0, Under}), Pixels(destination));
}

class BlendRectTest : public PixelTest, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(BlendRectTest, FlagsChooseMultiplyBeforeAdd) {
    SDL_Surface* destination = Plain(3, 2, Under);
    SDL_Surface* source = Plain(2, 2, Over);
    PutPixel(source, 0, 0, 0xFFFFFF);
    PutPixel(source, 0, 1, 0xFFFFFF);
    BlendSurfaceRect(destination, source, 2, 0, 1, 0, 1, 2, GetParam().mode);
    const Uint32 e = GetParam().expected, u = Under;
    EXPECT_EQ(std::vector<Uint32>({u, u, e, u, u, e}), Pixels(destination));
}

INSTANTIATE_TEST_SUITE_P(Flags, BlendRectTest,
                         ::testing::Values(BlendCase{1, 0x000C203C}, BlendCase{3, 0x000C203C},
                                           BlendCase{2, 0x0080C0FF}, BlendCase{0, 0},
                                           BlendCase{4, 0}));

TEST_F(PixelTest, BlendRectReadsZeroBeyondTheSource) {
    SDL_Surface* destination = Plain(2, 2, Under);
    BlendSurfaceRect(destination, Plain(2, 2, Over), 0, 0, 1, 1, 2, 2, 1);
    EXPECT_EQ(std::vector<Uint32>({0x000C203C, 0, 0, 0}), Pixels(destination));
}

struct ScaleCase {
    unsigned w, h;
    std::vector<Uint32> expected;
};

class ScaleTest : public PixelTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleTest, EachSourcePixelBecomesABlockLaterOnesOverwriting) {
    SDL_Surface* source = Plain(2, 2, 0);
    PutPixel(source, 0, 0, 1);
    PutPixel(source, 1, 0, 2);
    PutPixel(source, 0, 1, 3);
    PutPixel(source, 1, 1, 4);
    TestSurface scaled(ScaleSurface(source, GetParam().w, GetParam().h));
    ASSERT_NE(nullptr, scaled.Get());
    EXPECT_EQ(static_cast<int>(GetParam().w), scaled.Get()->w);
    EXPECT_EQ(static_cast<int>(GetParam().h), scaled.Get()->h);
    EXPECT_EQ(GetParam().expected, Pixels(scaled.Get()));
}

INSTANTIATE_TEST_SUITE_P(
    Factors, ScaleTest,
    ::testing::Values(ScaleCase{4, 4, {1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4}},
                      ScaleCase{3, 3, {1, 2, 2, 3, 4, 4, 3, 4, 4}}, ScaleCase{2, 2, {1, 2, 3, 4}},
                      ScaleCase{1, 1, {4}}, ScaleCase{4, 1, {3, 3, 4, 4}},
                      ScaleCase{3, 2, {1, 2, 2, 3, 4, 4}}));

TEST_F(PixelTest, ScalingToNothingGivesNull) {
    SDL_Surface* source = Plain(2, 2, 1);
    EXPECT_EQ(nullptr, ScaleSurface(source, 0, 4));
    EXPECT_EQ(nullptr, ScaleSurface(source, 4, 0));
}

// An RLE-accelerated surface only has pixel memory while it is locked, so drawing that ignored
// the lock would lose its pixels. That is classic SDL 1.2 (up to 1.2.15); sdl12-compat (1.2.50
// on) keeps the pixels in place and does not ask for the lock, and drawing must work there too.
bool RleSurfacesNeedLocking() { return SDL_Linked_Version()->patch < 50; }

class LockedDrawingTest : public PixelTest {
  protected:
    SDL_Surface* Accelerated(int w, int h) {
        SDL_Surface* surface = Plain(w, h, Under);
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, 0);
        BlitSurface(Plain(w, h, 0), surface, 0, 0);
        return surface;
    }

    static Uint32 LockedPixel(SDL_Surface* surface, int x, int y) {
        EXPECT_EQ(0, SDL_LockSurface(surface));
        Uint32 value = GetPixel(surface, x, y);
        SDL_UnlockSurface(surface);
        return value;
    }
};

TEST_F(LockedDrawingTest, PixelFunctionsLockSurfacesThatNeedItAndLeaveThemUnlocked) {
    // Each draws on one of two accelerated surfaces, using the other as its source where needed,
    // and returns the one it drew on.
    using Draw = std::function<SDL_Surface*(SDL_Surface*, SDL_Surface*)>;
    const std::vector<Draw> draws = {
        [](SDL_Surface* s, SDL_Surface*) {
            DrawLine(s, Over, 0, 1, 3, 1);
            return s;
        },
        [](SDL_Surface* s, SDL_Surface*) {
            FillCircle(s, 1, 1, 2, 0x60, 0x80, 0xA0);
            return s;
        },
        [](SDL_Surface* s, SDL_Surface* o) {
            BlendSurface(s, o, 0, 0, 2);
            return s;
        },
        [](SDL_Surface* s, SDL_Surface* o) {
            BlendSurfaceRect(o, s, 0, 0, 0, 0, 4, 4, 2);
            return o;
        },
    };
    for (const Draw& draw : draws) {
        SDL_Surface* surface = Accelerated(4, 4);
        SDL_Surface* other = Accelerated(4, 4);
        ASSERT_EQ(RleSurfacesNeedLocking(), SDL_MUSTLOCK(surface) != 0);
        if (SDL_MUSTLOCK(surface)) {
            EXPECT_EQ(0u, GetPixel(surface, 1, 1));
        }
        SDL_Surface* drawn = draw(surface, other);
        EXPECT_EQ(0, surface->locked);
        EXPECT_EQ(0, other->locked);
        EXPECT_NE(Under, LockedPixel(drawn, 1, 1));
    }
}

TEST_F(LockedDrawingTest, ScalingLocksAnAcceleratedSource) {
    SDL_Surface* source = Accelerated(2, 2);
    TestSurface scaled(ScaleSurface(source, 4, 4));
    ASSERT_NE(nullptr, scaled.Get());
    EXPECT_EQ(0, source->locked);
    EXPECT_EQ(Under, GetPixel(scaled.Get(), 3, 3));
}

}  // namespace
