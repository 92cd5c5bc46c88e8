#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
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
const Uint32 SampleTicks[] = {0,           7,           4999,        1234567,
                              2147483648u, 4294960000u, 4294967290u, 4294967295u};

// Writes a texture file whose every texel is different (red is the column, green the row) into
// the test's temporary folder, and answers its path.
std::string TextureFile(int width, int height) {
    const std::string path = testing::TempDir() + "tunnel_" + std::to_string(getpid()) + "_" +
                             std::to_string(width) + "x" + std::to_string(height) + ".bmp";
    TestSurface picture(SDL_CreateRGBSurface(0, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) PutPixel(picture.Get(), x, y, x << 16 | y << 8 | 7);
    }
    SDL_SaveBMP(picture.Get(), path.c_str());
    return path;
}

struct TunnelCase {
    const char* name;
    int textureWidth, textureHeight;
    unsigned w, h, d;
    int mode;
    Uint32 tables, frames;  // recorded hashes
};

class TunnelTest : public testing::TestWithParam<TunnelCase> {
  protected:
    SdlSession sdl;
    FakeClock clock;
    const std::string texture = TextureFile(GetParam().textureWidth, GetParam().textureHeight);
};

// The recorded hashes pin both tables and the frames at every sample tick on destinations of the
// area's size, smaller, larger (whose pixels beyond the area stay), and of the other pixel sizes.
// After an intended change, re-record: run `tarvello_tests --gtest_filter='*TunnelFrameHash*'`
// from the build folder and copy the printed hashes into the table below.
TEST_P(TunnelTest, TablesAndFramesAreTheRecordedOnes) {
    const TunnelCase& c = GetParam();
    TunnelEffect tunnel(c.w, c.h, c.d, c.mode, texture);
    Uint32 tables = HashWord(HashWord(HashStart, tunnel.TableWidth()), tunnel.TableHeight());
    for (unsigned y = 0; y < tunnel.TableHeight(); ++y) {
        for (unsigned x = 0; x < tunnel.TableWidth(); ++x) {
            tables = HashWord(tables, tunnel.AngleEntry(x, y) | Uint32(tunnel.DistanceEntry(x, y))
                                                                    << 16);
        }
    }
    std::vector<TestSurface*> destinations = {new TestSurface(CreateSurface(c.w, c.h, 0)),
                                              new TestSurface(CreateSurface(c.w - 3, c.h / 2, 0)),
                                              new TestSurface(CreateSurface(c.w + 4, c.h + 2, 0))};
    for (int bits : {8, 16, 24}) {
        destinations.push_back(
            new TestSurface(SDL_CreateRGBSurface(0, c.w, c.h, bits, 0, 0, 0, 0)));
    }
    Uint32 frames = HashStart;
    for (TestSurface* destination : destinations) {
        SDL_FillRect(destination->Get(), nullptr, 0xABCDEF);
        for (Uint32 t : SampleTicks) {
            FakeClock::Set(t);
            tunnel.Draw(destination->Get());
            frames = PixelHash(destination->Get(), frames);
        }
        delete destination;
    }
    char hex[40];
    std::snprintf(hex, sizeof hex, "0x%08X, 0x%08X", unsigned(tables), unsigned(frames));
    EXPECT_EQ(c.tables, tables) << c.name << " now hashes to " << hex;
    EXPECT_EQ(c.frames, frames) << c.name << " now hashes to " << hex;
}

INSTANTIATE_TEST_SUITE_P(
    TunnelFrameHash, TunnelTest,
    testing::Values(TunnelCase{"Circular", 16, 16, 20, 14, 1, 0, 0xB5382A80, 0x0AA30BEF},
                    TunnelCase{"CircularStill", 16, 16, 20, 14, 0, 0, 0x1004CD77, 0x853A63E9},
                    TunnelCase{"Square", 40, 24, 21, 15, 1, 1, 0xF0A50800, 0x1851F22C},
                    TunnelCase{"Diamond", 40, 24, 20, 20, 0, 2, 0x225F8909, 0xE5087F6D},
                    TunnelCase{"OddTextureDiamond", 41, 24, 20, 20, 0, 2, 0x6A208979, 0x9C4B5D00},
                    TunnelCase{"TallTexture", 24, 40, 18, 22, 1, 0, 0x67154C3D, 0x3B3E4E46},
                    TunnelCase{"UnknownModeLargeScale", 33, 7, 12, 12, 5, 9, 0xC1AE53A6,
                               0x5AF880C6}),
    [](const testing::TestParamInfo<TunnelCase>& info) { return info.param.name; });

TEST(Tunnel, TextureIsNotCountedAndBadTexturesOrNoDisplayRaise) {
    const std::string texture = TextureFile(8, 8);
    EXPECT_THROW(TunnelEffect(8, 8, 1, 0, texture), SDL_Exception);  // no video mode yet
    SdlSession sdl;
    const int before = SurfaceCount;
    {
        TunnelEffect tunnel(8, 8, 1, 0, texture);
        EXPECT_EQ(before, SurfaceCount);
        tunnel.Draw(nullptr);
    }
    EXPECT_EQ(before, SurfaceCount);
    EXPECT_THROW(TunnelEffect(8, 8, 1, 0, "no/such/picture.png"), SDL_Exception);
}

}  // namespace
