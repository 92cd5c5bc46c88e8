#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "support/SdlSession.h"
#include "support/TestSurface.h"

namespace {

const Uint32 Ink = 0x00ABCDEF;

// Rows given as [first, end) column spans, starting at row 0; an empty span leaves its row blank.
PixelSet Rows(const std::vector<std::pair<int, int>>& spans) {
    PixelSet pixels;
    for (int y = 0; y < static_cast<int>(spans.size()); ++y) {
        for (int x = spans[y].first; x < spans[y].second; ++x) pixels.insert({x, y});
    }
    return pixels;
}

class DrawingTest : public ::testing::Test {
  protected:
    SDL_Surface* Blank(int w = 40, int h = 40) {
        surfaces.push_back(std::make_unique<TestSurface>(CreateFilledSurface(w, h, 0, 0, 0)));
        return surfaces.back()->Get();
    }

    SdlSession sdl;
    std::vector<std::unique_ptr<TestSurface>> surfaces;
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
    SDL_Surface* surface = Blank(23, 17);
    for (int round = 0; round < 3000; ++round) {
        // Near lines, lines from far away and lines between far-apart points.
        const int reach = round % 3 == 0 ? 30 : round % 3 == 1 ? 3000 : 100000;
        std::uniform_int_distribution<int> coordinate(-reach, reach);
        const int x1 = coordinate(random), y1 = coordinate(random);
        const int x2 = round % 5 == 0 ? x1 + round % 7 - 3 : coordinate(random);
        const int y2 = round % 5 == 0 ? y1 : coordinate(random);
        SDL_FillRect(surface, nullptr, 0);
        DrawLine(surface, Ink, x1, y1, x2, y2);
        ASSERT_EQ(WalkLine(23, 17, x1, y1, x2, y2), SetPixels(surface))
            << x1 << "," << y1 << " to " << x2 << "," << y2;
    }
}

struct FarLineCase {
    const char* name;
    long long x1, y1, x2, y2;
    int column, row;  // the visible pixels are (column + k * dc, row + k * dr), k = 0 .. 9
    int dc, dr;
};

class FarLineTest : public DrawingTest, public ::testing::WithParamInterface<FarLineCase> {};

// Lines between the int range's ends would take billions of steps to walk; the surface only
// sees a few of them, and those must come out at once and exactly where the walk puts them.
TEST_P(FarLineTest, DrawsOnlyItsVisiblePartAtOnce) {
    const FarLineCase& line = GetParam();
    SDL_Surface* surface = Blank(10, 10);
    DrawLine(surface, Ink, int(line.x1), int(line.y1), int(line.x2), int(line.y2));
    PixelSet expected;
    for (int k = 0; k < 10; ++k)
        expected.insert({line.column + k * line.dc, line.row + k * line.dr});
    EXPECT_EQ(expected, SetPixels(surface));
}

const long long Low = std::numeric_limits<int>::min(), High = std::numeric_limits<int>::max();

INSTANTIATE_TEST_SUITE_P(
    Ends, FarLineTest,
    ::testing::Values(FarLineCase{"Diagonal", Low, Low, High, High, 0, 0, 1, 1},
                      FarLineCase{"BackwardsDiagonal", High, High, Low, Low, 0, 0, 1, 1},
                      // one row down exactly half way, which is column 0
                      FarLineCase{"HalfwayStep", Low, 0, High, 1, 0, 1, 1, 0},
                      FarLineCase{"HalfwayStepUp", Low, 1, High, 0, 0, 0, 1, 0},
                      FarLineCase{"Steep", -1, Low, 1, High, 0, 0, 0, 1},
                      FarLineCase{"SteepBackwards", 9, High, 9, Low, 9, 0, 0, 1}),
    [](const ::testing::TestParamInfo<FarLineCase>& info) { return info.param.name; });

TEST_F(DrawingTest, FlatBottomTriangleLeavesApexRowEmptyAndFillsBaseUpToRightEdge) {
    SDL_Surface* surface = Blank(30, 30);
    FillFlatBottomTriangle(surface, 10, 0, 0, 10, 20, 10, 255, 255, 255);
    std::vector<std::pair<int, int>> spans;
    for (int y = 0; y <= 10; ++y) spans.push_back({10 - y, 10 + y});
    EXPECT_EQ(Rows(spans), SetPixels(surface));
}

TEST_F(DrawingTest, FlatTopTriangleFillsBaseRowAndLeavesApexRowEmpty) {
    SDL_Surface* surface = Blank(30, 30);
    FillFlatTopTriangle(surface, 10, 10, 20, 0, 0, 0, 255, 255, 255);
    std::vector<std::pair<int, int>> spans;
    for (int y = 0; y <= 10; ++y) spans.push_back({y, 20 - y});
    EXPECT_EQ(Rows(spans), SetPixels(surface));
}

// Edges one and a half pixels apart per row: a row ends at the edge rounded half up.
TEST_F(DrawingTest, FlatTriangleRowsEndAtTheEdgeRoundedHalfUp) {
    SDL_Surface* surface = Blank(30, 30);
    FillFlatBottomTriangle(surface, 0, 0, 0, 4, 6, 4, 255, 255, 255);
    EXPECT_EQ(Rows({{0, 0}, {0, 2}, {0, 3}, {0, 5}, {0, 6}}), SetPixels(surface));
    SDL_FillRect(surface, nullptr, 0);
    FillFlatTopTriangle(surface, 0, 4, 6, 0, 0, 0, 255, 255, 255);
    EXPECT_EQ(Rows({{0, 6}, {0, 5}, {0, 3}, {0, 2}, {0, 0}}), SetPixels(surface));
}

TEST_F(DrawingTest, FlatTrianglesWithBaseNotLevelDrawNothing) {
    SDL_Surface* surface = Blank(30, 30);
    FillFlatBottomTriangle(surface, 10, 0, 0, 10, 20, 11, 255, 255, 255);
    FillFlatTopTriangle(surface, 10, 10, 20, 0, 0, 1, 255, 255, 255);
    FillFlatBottomTriangle(surface, 10, 4, 0, 4, 20, 4, 255, 255, 255);
    EXPECT_TRUE(SetPixels(surface).empty());
}

// The left edge steps by -1/6 in single precision and lands just below 9.5 on row 3, where exact
// arithmetic would round up to 10.
TEST_F(DrawingTest, TriangleEdgesStepInSinglePrecision) {
    SDL_Surface* surface = Blank(30, 30);
    FillFlatBottomTriangle(surface, 10, 0, 9, 6, 22, 6, 255, 255, 255);
    EXPECT_EQ(0u, GetPixel(surface, 8, 3));
    EXPECT_NE(0u, GetPixel(surface, 9, 3));
    EXPECT_NE(0u, GetPixel(surface, 15, 3));
    EXPECT_EQ(0u, GetPixel(surface, 16, 3));
}

using Corners = std::array<std::pair<int, int>, 3>;

class FillTriangleTest : public DrawingTest, public ::testing::WithParamInterface<int> {
  protected:
    // Draws the corners in the order of the test's permutation number.
    void Fill(SDL_Surface* surface, Corners corners) {
        std::sort(corners.begin(), corners.end());
        for (int i = 0; i < GetParam(); ++i) std::next_permutation(corners.begin(), corners.end());
        FillTriangle(surface, corners[0].first, corners[0].second, corners[1].first,
                     corners[1].second, corners[2].first, corners[2].second, 255, 255, 255);
    }
};

TEST_P(FillTriangleTest, SplitsAtTheMiddleCornerInAnyOrder) {
    SDL_Surface* surface = Blank(30, 30);
    Fill(surface, {{{0, 0}, {10, 5}, {0, 10}}});
    EXPECT_EQ(Rows({{0, 0},
                    {0, 2},
                    {0, 4},
                    {0, 6},
                    {0, 8},
                    {0, 10},
                    {0, 8},
                    {0, 6},
                    {0, 4},
                    {0, 2},
                    {0, 0}}),
              SetPixels(surface));
}

TEST_P(FillTriangleTest, TopRowCornersFillTheWholeTriangleAsFlatTop) {
    SDL_Surface* surface = Blank(30, 30);
    Fill(surface, {{{0, 0}, {20, 0}, {10, 10}}});
    std::vector<std::pair<int, int>> spans;
    for (int y = 0; y <= 10; ++y) spans.push_back({y, 20 - y});
    EXPECT_EQ(Rows(spans), SetPixels(surface));
}

TEST_P(FillTriangleTest, BottomRowCornersFillTheWholeTriangleAsFlatBottom) {
    SDL_Surface* surface = Blank(30, 30);
    Fill(surface, {{{10, 0}, {0, 10}, {20, 10}}});
    std::vector<std::pair<int, int>> spans;
    for (int y = 0; y <= 10; ++y) spans.push_back({10 - y, 10 + y});
    EXPECT_EQ(Rows(spans), SetPixels(surface));
}

TEST_P(FillTriangleTest, CornersInOneColumnOrOneRowDrawNothing) {
    SDL_Surface* surface = Blank(30, 30);
    Fill(surface, {{{5, 0}, {5, 10}, {5, 20}}});
    Fill(surface, {{{0, 5}, {10, 5}, {20, 5}}});
    EXPECT_TRUE(SetPixels(surface).empty());
}

INSTANTIATE_TEST_SUITE_P(CornerOrders, FillTriangleTest, ::testing::Range(0, 6));

struct CircleCase {
    int radius;
    PixelSet expected;
};

class FillCircleTest : public DrawingTest, public ::testing::WithParamInterface<CircleCase> {};

TEST_P(FillCircleTest, FillsRowsFromTheCentreLessHalfUpToTheCentrePlusHalf) {
    SDL_Surface* surface = Blank(12, 12);
    FillCircle(surface, 5, 5, GetParam().radius, 255, 255, 255);
    EXPECT_EQ(GetParam().expected, SetPixels(surface));
}

INSTANTIATE_TEST_SUITE_P(
    Radii, FillCircleTest,
    ::testing::Values(CircleCase{1, {{4, 5}, {5, 5}}},
                      CircleCase{2,
                                 {{4, 4}, {5, 4}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {4, 6}, {5, 6}}},
                      CircleCase{3, {{3, 3}, {4, 3}, {5, 3}, {6, 3}, {3, 4}, {4, 4}, {5, 4}, {6, 4},
                                     {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {3, 6}, {4, 6},
                                     {5, 6}, {6, 6}, {3, 7}, {4, 7}, {5, 7}, {6, 7}}},
                      CircleCase{0, {}}, CircleCase{-3, {}}));

TEST_F(DrawingTest, CircleOverTheEdgeKeepsOnlyItsInsidePixels) {
    SDL_Surface* surface = Blank(3, 3);
    FillCircle(surface, 0, 0, 2, 255, 255, 255);
    EXPECT_EQ(PixelSet({{0, 0}, {1, 0}, {0, 1}}), SetPixels(surface));
}

TEST_F(DrawingTest, NullSurfacesAreIgnored) {
    SDL_Surface* surface = Blank(4, 4);
    BlitSurface(nullptr, surface, 0, 0);
    BlitSurface(surface, nullptr, 0, 0, 0, 0, 2, 2);
    FillCircle(nullptr, 1, 1, 3, 1, 2, 3);
    DrawLine(nullptr, Ink, 0, 0, 3, 3);
    FillFlatBottomTriangle(nullptr, 1, 0, 0, 3, 3, 3, 1, 2, 3);
    FillFlatTopTriangle(nullptr, 1, 3, 0, 0, 3, 0, 1, 2, 3);
    FillTriangle(nullptr, 0, 0, 3, 1, 1, 3, 1, 2, 3);
    EXPECT_EQ(nullptr, ScaleSurface(nullptr, 4, 4));
    BlendSurface(nullptr, surface, 0, 0, 0);
    BlendSurface(surface, nullptr, 0, 0, 0);
    BlendSurfaceRect(nullptr, surface, 0, 0, 0, 0, 2, 2, 1);
    BlendSurfaceRect(surface, nullptr, 0, 0, 0, 0, 2, 2, 1);
    EXPECT_EQ(0u, GetPixel(nullptr, 0, 0));
    PutPixel(nullptr, 0, 0, Ink);
    EXPECT_TRUE(SetPixels(surface).empty());
}

TEST_F(DrawingTest, FailedCopyWritesSdlErrorLine) {
    SDL_Surface* source = Blank(4, 4);
    SDL_Surface* destination = Blank(4, 4);
    ASSERT_EQ(0, SDL_LockSurface(destination));
    testing::internal::CaptureStderr();
    BlitSurface(destination, source, 0, 0);
    std::string written = testing::internal::GetCapturedStderr();
    SDL_UnlockSurface(destination);
    EXPECT_EQ(std::string(SDL_GetError()) + "\n", written);
    EXPECT_FALSE(written.empty());
}

TEST_F(DrawingTest, CopyPlacesSourceRectangleAtThePosition) {
    SDL_Surface* source = Blank(4, 4);
    SDL_Surface* destination = Blank(6, 6);
    PutPixel(source, 2, 1, Ink);
    PutPixel(source, 0, 0, Ink);
    BlitSurface(destination, source, 3, 4, 2, 1, 2, 2);
    EXPECT_EQ(PixelSet({{3, 4}}), SetPixels(destination));
}

TEST_F(DrawingTest, CreatedSurfacesUseTheScreenFormat) {
    TestSurface filled(CreateFilledSurface(7, 5, 0, 255, 64));
    ASSERT_NE(nullptr, filled.Get());
    EXPECT_EQ(7, filled.Get()->w);
    EXPECT_EQ(5, filled.Get()->h);
    EXPECT_EQ(sdl.Screen()->format->BitsPerPixel, filled.Get()->format->BitsPerPixel);
    EXPECT_EQ(SDL_MapRGB(sdl.Screen()->format, 0, 255, 64), GetPixel(filled.Get(), 6, 4));
    EXPECT_EQ(nullptr, CreateSurface(-1, -1, 0));
}

TEST(CreateSurfaceWithoutVideo, ReturnsNull) {
    EXPECT_EQ(nullptr, CreateSurface(10, 10, 0));
    EXPECT_EQ(nullptr, CreateFilledSurface(10, 10, 1, 2, 3));
}

}  // namespace
