#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/TunnelEffect.h"
#include "support/FakeClock.h"
#include "support/Recorded.h"
#include "support/SdlSession.h"
#include "support/TempFiles.h"

namespace {

// Ticks from the start to well past the wrap of the 32-bit tick count's quotients.
const Uint32 SampleTicks[] = {0,           7,           4999,        1234567,
                              2147483648u, 4294960000u, 4294967290u, 4294967295u};

// Writes a texture file whose every texel is different (red is the column, green the row) into
// the folder, and answers its path.
std::string TextureFile(const TempFolder& folder, int width, int height) {
    const std::string path = folder.File("texture.bmp");
    SurfacePtr picture = CreateSurface(width, height, 0, PixelLayout::Rgb32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) PutPixel(picture.get(), x, y, x << 16 | y << 8 | 7);
    }
    SDL_SaveBMP(picture.get(), path.c_str());
    return path;
}

struct TunnelCase {
    const char* name;
    int textureWidth, textureHeight;
    unsigned w, h, d;
    int mode;
};

void PrintTo(const TunnelCase& c, std::ostream* out) { *out << c.name; }

class TunnelTest : public testing::TestWithParam<TunnelCase> {
  protected:
    SdlSession sdl;
    FakeClock clock;
    TempFolder folder;
    const std::string texture =
        TextureFile(folder, GetParam().textureWidth, GetParam().textureHeight);
};

// The recorded hashes pin both tables and the frames at every sample tick on destinations of the
// area's size, smaller, larger (whose pixels beyond the area stay), and of the other pixel sizes.
TEST_P(TunnelTest, TablesAndFramesAreTheRecordedOnes) {
    const TunnelCase& c = GetParam();
    TunnelEffect tunnel(c.w, c.h, c.d, c.mode, texture);
    Fnv1a<Uint32> tables, frames;
    tables.Bytes(tunnel.TableWidth(), 4).Bytes(tunnel.TableHeight(), 4);
    for (unsigned y = 0; y < tunnel.TableHeight(); ++y) {
        for (unsigned x = 0; x < tunnel.TableWidth(); ++x)
            tables.Bytes(tunnel.AngleEntry(x, y) | Uint32(tunnel.DistanceEntry(x, y)) << 16, 4);
    }
    std::vector<SurfacePtr> destinations;
    destinations.push_back(CreateSurface(c.w, c.h, 0));
    destinations.push_back(CreateSurface(c.w - 3, c.h / 2, 0));
    destinations.push_back(CreateSurface(c.w + 4, c.h + 2, 0));
    for (int bits : {8, 16, 24})
        destinations.push_back(SurfacePtr(SDL_CreateRGBSurface(0, c.w, c.h, bits, 0, 0, 0, 0)));
    for (const SurfacePtr& destination : destinations) {
        SDL_FillRect(destination.get(), nullptr, 0xABCDEF);
        for (Uint32 t : SampleTicks) {
            FakeClock::Set(t);
            tunnel.Draw(destination.get());
            AddPixels(frames, destination.get());
        }
    }
    ExpectRecorded(std::string("Tunnel.") + c.name,
                   "tables=" + Hex(tables.Value(), 8) + " frames=" + Hex(frames.Value(), 8));
}

INSTANTIATE_TEST_SUITE_P(TunnelFrameHash, TunnelTest,
                         testing::Values(TunnelCase{"Circular", 16, 16, 20, 14, 1, 0},
                                         TunnelCase{"CircularStill", 16, 16, 20, 14, 0, 0},
                                         TunnelCase{"Square", 40, 24, 21, 15, 1, 1},
                                         TunnelCase{"Diamond", 40, 24, 20, 20, 0, 2},
                                         TunnelCase{"OddTextureDiamond", 41, 24, 20, 20, 0, 2},
                                         TunnelCase{"TallTexture", 24, 40, 18, 22, 1, 0},
                                         TunnelCase{"UnknownModeLargeScale", 33, 7, 12, 12, 5, 9}),
                         testing::PrintToStringParamName());

TEST(Tunnel, TextureIsNotCountedAndBadTexturesOrNoDisplayRaise) {
    TempFolder folder;
    const std::string texture = TextureFile(folder, 8, 8);
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

    // Drawn pixel by pixel into another pixel size, the columns beyond the area stay too.
    TunnelEffect tunnel(8, 8, 1, 0, texture);
    SurfacePtr wide(SDL_CreateRGBSurface(0, 10, 8, 16, 0, 0, 0, 0));
    SDL_FillRect(wide.get(), nullptr, 0x1234);
    tunnel.Draw(wide.get());
    for (int y = 0; y < 8; ++y) EXPECT_EQ(0x1234u, GetPixel(wide.get(), 8, y)) << y;
    EXPECT_NO_THROW(TunnelEffect(8, 8, 1, 0, TextureFile(folder, 1, 1)));  // one texel will do
}

}  // namespace
