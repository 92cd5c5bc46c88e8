#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "support/SdlSession.h"

namespace {

using Point = std::pair<int, int>;
using Points = std::set<Point>;

const Uint32 Ink = 0x00ABCDEF;

// Frees a test's own surface at scope end.
struct Surface {
    explicit Surface(SDL_Surface* made) : s(made) {}
    ~Surface() { SDL_FreeSurface(s); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    SDL_Surface* s;
};

// Every pixel that is not 0.
Points SetPixels(SDL_Surface* surface) {
    Points found;
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            if (GetPixel(surface, x, y) != 0) found.insert({x, y});
        }
    }
    return found;
}

class DrawingTest : public ::testing::Test {
  protected:
    SDL_Surface* Blank(int w = 40, int h = 40) {
        surfaces.push_back(std::make_unique<Surface>(CreateFilledSurface(w, h, 0, 0, 0)));
        return surfaces.back()->s;
    }

    SdlSession sdl;
    std::vector<std::unique_ptr<Surface>> surfaces;
};

struct LineCase {
    int x1, y1, x2, y2;
    Points expected;
};

class DrawLineTest : public DrawingTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(DrawLineTest, CoversPixelsFromStartUpToButNotIncludingTheEnd) {
    const LineCase& line = GetParam();
    SDL_Surface* surface = Blank(20, 20);
    DrawLine(surface, Ink, line.x1, line.y1, line.x2, line.y2);
    EXPECT_EQ(line.expected, SetPixels(surface));
}

INSTANTIATE_TEST_SUITE_P(Octants, DrawLineTest,
                         ::testing::Values(LineCase{10, 5, 13, 5, {{10, 5}, {11, 5}, {12, 5}}},
                                           LineCase{13, 5, 10, 5, {{13, 5}, {12, 5}, {11, 5}}},
                                           LineCase{10, 5, 10, 5, {}},
                                           LineCase{3, 3, 0, 0, {{3, 3}, {2, 2}, {1, 1}}},
                                           LineCase{0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
                                           LineCase{0, 0, 2, 4, {{0, 0}, {1, 1}, {1, 2}, {2, 3}}},
                                           LineCase{4, 0, 0, 2, {{4, 0}, {3, 1}, {2, 1}, {1, 2}}},
                                           LineCase{0, 4, 2, 0, {{0, 4}, {1, 3}, {1, 2}, {2, 1}}},
                                           LineCase{2, 0, 0, 4, {{2, 0}, {1, 1}, {1, 2}, {0, 3}}},
                                           LineCase{5, 9, 5, 6, {{5, 9}, {5, 8}, {5, 7}}},
                                           LineCase{-2, 1, 3, 1, {{0, 1}, {1, 1}, {2, 1}}}));

TEST_F(DrawingTest, DiagonalLineLeavesOutItsEndPoint) {
    SDL_Surface* surface = Blank(100, 100);
    DrawLine(surface, Ink, 0, 95, 95, 0);
    Points expected;
    for (int k = 0; k < 95; ++k) expected.insert({k, 95 - k});
    EXPECT_EQ(expected, SetPixels(surface));
}

TEST_F(DrawingTest, FlatBottomTriangleLeavesApexRowEmptyAndFillsBaseUpToRightEdge) {
    SDL_Surface* surface = Blank(30, 30);
    FillFlatBottomTriangle(surface, 10, 0, 0, 10, 20, 10, 255, 255, 255);
    Points expected;
    for (int y = 0; y <= 10; ++y) {
        for (int x = 10 - y; x < 10 + y; ++x) expected.insert({x, y});
    }
    EXPECT_EQ(expected, SetPixels(surface));
}

TEST_F(DrawingTest, CircleRowsAreSymmetricAboutTheCentreRow) {
    SDL_Surface* surface = Blank(12, 12);
    FillCircle(surface, 5, 5, 2, 255, 255, 255);
    Points expected{{4, 4}, {5, 4}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {4, 6}, {5, 6}};
    EXPECT_EQ(expected, SetPixels(surface));
}

TEST_F(DrawingTest, ThreeBytePixelIsStoredLowestByteFirst) {
    Surface surface(SDL_CreateRGBSurface(0, 4, 4, 24, 0xFF0000, 0xFF00, 0xFF, 0));
    ASSERT_EQ(3, surface.s->format->BytesPerPixel);
    PutPixel(surface.s, 1, 2, 0x123456);
    const Uint8* p = static_cast<Uint8*>(surface.s->pixels) + 2 * surface.s->pitch + 3;
    EXPECT_EQ(0x56, p[0]);
    EXPECT_EQ(0x34, p[1]);
    EXPECT_EQ(0x12, p[2]);
    EXPECT_EQ(0x123456u, GetPixel(surface.s, 1, 2));
}

TEST(Blend, CombinesChannelsAndClearsTopByte) {
    EXPECT_EQ(0xFEFEFEu, BlendMultiply(0xFFFFFF, 0xFFFFFF));
    EXPECT_EQ(0x0000FFu, BlendAdd(0x0000F0, 0x000020));
    EXPECT_EQ(0x000001u, BlendAverage(0x000003, 0x000000));
}

TEST(CreateSurfaceWithoutVideo, ReturnsNull) {
    EXPECT_EQ(nullptr, CreateSurface(10, 10, 0));
    EXPECT_EQ(nullptr, CreateFilledSurface(10, 10, 1, 2, 3));
}

}  // namespace
