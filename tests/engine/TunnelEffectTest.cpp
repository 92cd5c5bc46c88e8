#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/TunnelEffect.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"
#include "support/TestSurface.h"

namespace {

// Ticks from the start to well past the wrap of the 32-bit tick count's quotients.
const std::vector<Uint32> SampleTicks = {0,          7,          4999,       1234567,
                                         2147483648, 4294960000, 4294967290, 4294967295};

// A texture file whose every texel is different: red is the column, green the row.
class TextureFile {
  public:
    TextureFile(int width, int height)
        : path(testing::TempDir() + "tunnel_" + std::to_string(getpid()) + "_" +
               std::to_string(width) + "x" + std::to_string(height) + ".bmp") {
        TestSurface picture(SDL_CreateRGBSurface(0, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) PutPixel(picture.Get(), x, y, x << 16 | y << 8 | 7);
        }
        SDL_SaveBMP(picture.Get(), path.c_str());
    }
    ~TextureFile() { std::remove(path.c_str()); }

    const std::string path;
};

struct TunnelCase {
    int textureWidth, textureHeight;
    unsigned w, h, d;
    int mode;
};

void PrintTo(const TunnelCase& c, std::ostream* os) {
    *os << c.textureWidth << "x" << c.textureHeight << " texture, " << c.w << "x" << c.h
        << " area, d " << c.d << ", mode " << c.mode;
}

// The frame's pixel at (x, y) by the plain formula, straight from the tables and the texture.
Uint32 PlainPixel(const TunnelEffect& tunnel, const TunnelCase& c, Uint32 t, int x, int y) {
    const unsigned sx = static_cast<unsigned>(c.d * (std::sin(t * 0.000645234) + 1) * (c.w / 2));
    const unsigned sy = static_cast<unsigned>(c.d * (std::sin(t * 0.000445234) + 1) * (c.h / 2));
    SDL_Surface* texture = tunnel.GetTexture();
    const unsigned u = (tunnel.AngleEntry(x + sx, y + sy) + t / 8) % texture->w;
    const unsigned v = (tunnel.DistanceEntry(x + sx, y + sy) + t / 4) % texture->h;
    return GetPixel(texture, static_cast<int>(u), static_cast<int>(v));
}

class TunnelDrawTest : public ::testing::TestWithParam<TunnelCase> {
  protected:
    // Draws at every sample tick onto the surface and compares each pixel inside both the
    // surface and the w by h area with the plain formula, cut to the surface's pixel size.
    void ExpectPlainFrames(SDL_Surface* destination) {
        const TunnelCase& c = GetParam();
        TunnelEffect tunnel(c.w, c.h, c.d, c.mode, texture.path);
        const int bytes = destination->format->BytesPerPixel;
        const Uint32 mask = bytes == 4 ? 0xFFFFFFFFu : (1u << (8 * bytes)) - 1;
        for (Uint32 t : SampleTicks) {
            FakeClock::Set(t);
            tunnel.Draw(destination);
            int mismatches = 0;
            for (int y = 0; y < std::min<int>(c.h, destination->h); ++y) {
                for (int x = 0; x < std::min<int>(c.w, destination->w); ++x) {
                    Uint32 expected = PlainPixel(tunnel, c, t, x, y) & mask;
                    if (GetPixel(destination, x, y) != expected) ++mismatches;
                }
            }
            EXPECT_EQ(0, mismatches) << "at tick " << t;
        }
    }

    SdlSession sdl;
    FakeClock clock;
    TextureFile texture{GetParam().textureWidth, GetParam().textureHeight};
};

TEST_P(TunnelDrawTest, FrameIsThePlainFormulaAtEveryTick) {
    TestSurface destination(CreateSurface(GetParam().w, GetParam().h, 0));
    ExpectPlainFrames(destination.Get());
}

TEST_P(TunnelDrawTest, SmallerDestinationIsDrawnInsideItsBounds) {
    TestSurface destination(CreateSurface(GetParam().w - 3, GetParam().h / 2, 0));
    ExpectPlainFrames(destination.Get());
}

TEST_P(TunnelDrawTest, OtherPixelSizesGetTheRawTexelValue) {
    for (int bits : {8, 16, 24}) {
        TestSurface destination(
            SDL_CreateRGBSurface(0, GetParam().w, GetParam().h, bits, 0, 0, 0, 0));
        ExpectPlainFrames(destination.Get());
    }
}

TEST_P(TunnelDrawTest, LargerDestinationKeepsItsPixelsOutsideTheArea) {
    const TunnelCase& c = GetParam();
    TestSurface destination(CreateSurface(c.w + 4, c.h + 2, 0));
    SDL_FillRect(destination.Get(), nullptr, 0xABCDEF);
    TunnelEffect tunnel(c.w, c.h, c.d, c.mode, texture.path);
    tunnel.Draw(destination.Get());
    for (int y = 0; y < destination.Get()->h; ++y) {
        for (int x = 0; x < destination.Get()->w; ++x) {
            bool inside = x < static_cast<int>(c.w) && y < static_cast<int>(c.h);
            EXPECT_EQ(!inside, GetPixel(destination.Get(), x, y) == 0xABCDEF) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Textures, TunnelDrawTest,
    ::testing::Values(TunnelCase{16, 16, 20, 14, 1, 0}, TunnelCase{16, 16, 20, 14, 0, 0},
                      TunnelCase{40, 24, 21, 15, 1, 1}, TunnelCase{40, 24, 20, 20, 0, 2},
                      TunnelCase{24, 40, 18, 22, 1, 0}, TunnelCase{33, 7, 12, 12, 1, 9},
                      TunnelCase{33, 7, 12, 12, 0, 0}));

class TunnelTableTest : public ::testing::Test {
  protected:
    SdlSession sdl;
    TextureFile texture{40, 24};
};

struct DistanceCase {
    int mode;
    Uint16 expected;
};

class TunnelDistanceTest : public TunnelTableTest,
                           public ::testing::WithParamInterface<DistanceCase> {};

// At 6 right of and 4 below the centre the circular distance is 7, the square 6, the diamond 5;
// rows follow tw * 64 / r wrapped at tw = 40, though the texture has only 24 rows.
TEST_P(TunnelDistanceTest, EntriesFollowTheDistanceMeasureAndTextureWidth) {
    TunnelEffect tunnel(20, 20, 0, GetParam().mode, texture.path);
    EXPECT_EQ(GetParam().expected, tunnel.DistanceEntry(16, 14));
    EXPECT_EQ(23, tunnel.AngleEntry(16, 14));
}

INSTANTIATE_TEST_SUITE_P(Modes, TunnelDistanceTest,
                         ::testing::Values(DistanceCase{0, 5}, DistanceCase{1, 26},
                                           DistanceCase{2, 32}, DistanceCase{3, 0},
                                           DistanceCase{-1, 0}));

// Directions from the centre map one turn onto the texture width, starting on the left; the
// divisor being a little above pi keeps straight down and straight left just short of 30 and 40.
TEST_F(TunnelTableTest, AnglesAroundTheCentreSpanTheTextureWidth) {
    for (unsigned d : {0u, 1u}) {
        TunnelEffect tunnel(20, 16, d, 0, texture.path);
        const unsigned cx = d ? 20 : 10, cy = d ? 16 : 8;
        EXPECT_EQ(20u << d, tunnel.TableWidth());
        EXPECT_EQ(16u << d, tunnel.TableHeight());
        EXPECT_EQ(0, tunnel.DistanceEntry(cx, cy));
        EXPECT_EQ(20, tunnel.AngleEntry(cx, cy));
        EXPECT_EQ(20, tunnel.AngleEntry(cx + 3, cy));
        EXPECT_EQ(10, tunnel.AngleEntry(cx, cy - 3));
        EXPECT_EQ(29, tunnel.AngleEntry(cx, cy + 3));
        EXPECT_EQ(39, tunnel.AngleEntry(cx - 3, cy));
        EXPECT_EQ(2, tunnel.AngleEntry(cx - 3, cy - 1));
    }
}

// An odd texture width: half a turn is a whole number of texels (20 of 41), and the diamond
// distance of 6 right and 3 down is 4, not 4.5 rounded up, so its row is 41 * 64 / 4 % 41 = 0.
TEST_F(TunnelTableTest, OddTextureWidthAndOddDiamondDistanceRoundDown) {
    TextureFile odd(41, 24);
    TunnelEffect tunnel(20, 20, 0, 2, odd.path);
    EXPECT_EQ(39, tunnel.AngleEntry(10 - 3, 10));
    EXPECT_EQ(10, tunnel.AngleEntry(10, 10 - 3));
    EXPECT_EQ(0, tunnel.DistanceEntry(10 + 6, 10 + 3));
    EXPECT_EQ(41 * 64 / 3 % 41, tunnel.DistanceEntry(10 + 3, 10 + 4));
}

TEST_F(TunnelTableTest, WithoutDoubledTablesTheViewNeverDrifts) {
    TunnelEffect still(20, 16, 0, 0, texture.path);
    TunnelEffect drifting(20, 16, 1, 0, texture.path);
    EXPECT_EQ(std::make_pair(10u, 8u), drifting.ViewAt(0));
    for (Uint32 t : SampleTicks) {
        EXPECT_EQ(std::make_pair(0u, 0u), still.ViewAt(t));
        EXPECT_LE(drifting.ViewAt(t).first, 20u);
        EXPECT_LE(drifting.ViewAt(t).second, 16u);
    }
}

TEST_F(TunnelTableTest, ScalesAboveOneDoubleLikeOne) {
    TunnelEffect tunnel(8, 6, 5, 0, texture.path);
    EXPECT_EQ(16u, tunnel.TableWidth());
    EXPECT_EQ(12u, tunnel.TableHeight());
}

TEST_F(TunnelTableTest, TextureIsNotCountedAndNullDestinationIsIgnored) {
    const int before = SurfaceCount;
    {
        TunnelEffect tunnel(8, 8, 1, 0, texture.path);
        EXPECT_EQ(before, SurfaceCount);
        tunnel.Draw(nullptr);
    }
    EXPECT_EQ(before, SurfaceCount);
}

TEST_F(TunnelTableTest, MissingTextureRaises) {
    EXPECT_THROW(TunnelEffect(8, 8, 1, 0, "no/such/picture.png"), SDL_Exception);
}

TEST(TunnelWithoutVideo, TextureConversionFailureRaises) {
    TextureFile texture(8, 8);
    EXPECT_THROW(TunnelEffect(8, 8, 1, 0, texture.path), SDL_Exception);
}

}  // namespace
