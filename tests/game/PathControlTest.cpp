#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "SDL_Engine/ResourceCounters.h"
#include "game/BoardTestHelpers.h"
#include "support/SdlSession.h"

namespace {
class PathControlTest : public testing::Test {
  protected:
    SdlSession sdl;
    PathControl path;
};

int RingIndexOf(const PathControl& path, const PathNode* wanted) {
    const PathNode* node = path.GetFirst();
    for (int i = 0; i < PathControl::TrackLength; ++i, node = node->next) {
        if (node == wanted) return i;
    }
    return -1;
}
}  // namespace

TEST_F(PathControlTest, RingClosesBothWaysAfter52DistinctSquares) {
    std::set<PathNode*> forward, backward;
    PathNode* ahead = path.GetFirst();
    PathNode* behind = path.GetFirst();
    for (int i = 0; i < PathControl::TrackLength; ++i) {
        forward.insert(ahead);
        backward.insert(behind);
        ahead = ahead->next;
        behind = behind->prev;
    }
    EXPECT_EQ(path.GetFirst(), ahead);
    EXPECT_EQ(path.GetFirst(), behind);
    EXPECT_EQ(52u, forward.size());
    EXPECT_EQ(forward, backward);
}

TEST_F(PathControlTest, EveryTrackSquareIsLinkedToNeighbouringCells) {
    std::set<std::pair<int, int>> cells;
    PathNode* node = path.GetFirst();
    for (int i = 0; i < PathControl::TrackLength; ++i, node = node->next) {
        SCOPED_TRACE(i);
        EXPECT_EQ(KindTrack, node->kind);
        EXPECT_EQ(node, node->next->prev);
        EXPECT_EQ(nullptr, node->occupant);
        EXPECT_EQ(0, (node->x - 6) % 32);
        EXPECT_EQ(0, (node->y - 6) % 32);
        EXPECT_TRUE(node->x >= 6 && node->x <= 6 + 14 * 32 && node->y >= 6 && node->y <= 454);
        int dx = std::abs(node->next->x - node->x);
        int dy = std::abs(node->next->y - node->y);
        EXPECT_TRUE((dx == 0 || dx == 32) && (dy == 0 || dy == 32) && dx + dy > 0);
        cells.insert({node->x, node->y});
    }
    EXPECT_EQ(52u, cells.size());
}

TEST_F(PathControlTest, OnlyTheFourEntrySquaresBranch) {
    std::set<int> branching;
    PathNode* node = path.GetFirst();
    for (int i = 0; i < PathControl::TrackLength; ++i, node = node->next) {
        if (node->branch) branching.insert(i);
    }
    EXPECT_EQ((std::set<int>{0, 13, 26, 39}), branching);
}

class HomeStretchTest : public PathControlTest, public testing::WithParamInterface<int> {};

TEST_P(HomeStretchTest, RunsSixStraightSquaresFromEntryToFinal) {
    int colour = GetParam();
    const int entries[4][2] = {{6, 230}, {230, 6}, {454, 230}, {230, 454}};
    const int finals[4][2] = {{198, 230}, {230, 198}, {262, 230}, {230, 262}};
    PathNode* entry = TrackNode(path, 13 * colour);
    EXPECT_EQ(entries[colour][0], entry->x);
    EXPECT_EQ(entries[colour][1], entry->y);
    PathNode* node = entry->branch;
    ASSERT_NE(nullptr, node);
    EXPECT_EQ(nullptr, node->prev);
    PathNode* previous = entry;
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        ASSERT_NE(nullptr, node);
        EXPECT_EQ(k < 5 ? colour : KindFinal, node->kind);
        EXPECT_EQ(nullptr, node->branch);
        EXPECT_EQ(32, std::abs(node->x - previous->x) + std::abs(node->y - previous->y));
        if (k > 0) {
            EXPECT_EQ(previous, node->prev);
        }
        previous = node;
        if (k < 5) node = node->next;
    }
    EXPECT_EQ(finals[colour][0], node->x);
    EXPECT_EQ(finals[colour][1], node->y);
    EXPECT_EQ(nullptr, node->next);
}

TEST_P(HomeStretchTest, StartSquareLiesTwoSquaresAfterTheEntry) {
    int colour = GetParam();
    const int starts[4][2] = {{38, 198}, {262, 38}, {422, 262}, {198, 422}};
    PathNode* start = path.GetStartNode(colour);
    ASSERT_NE(nullptr, start);
    EXPECT_EQ(starts[colour][0], start->x);
    EXPECT_EQ(starts[colour][1], start->y);
    EXPECT_EQ(13 * colour + 2, RingIndexOf(path, start));
}

INSTANTIATE_TEST_SUITE_P(Colours, HomeStretchTest, testing::Values(0, 1, 2, 3));

TEST_F(PathControlTest, NoStartSquareForUnknownColours) {
    EXPECT_EQ(nullptr, path.GetStartNode(4));
    EXPECT_EQ(nullptr, path.GetStartNode(-1));
}

// Start squares and the first five of each home stretch take their colour, the rest are white.
TEST_F(PathControlTest, EverySquareButTheFinalOnesIsPaintedOverItsCell) {
    SDL_Surface* target = SDL_CreateRGBSurface(0, 491, 491, 32, 0, 0, 0, 0);
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 70, 70, 70));
    path.Draw(target);
    path.Draw(nullptr);
    auto expectSquare = [&](const PathNode* node, Rgb colour) {
        EXPECT_EQ(colour, ColourAt(target, node->x, node->y)) << node->x << "," << node->y;
        EXPECT_EQ(colour, ColourAt(target, node->x + 30, node->y + 30))
            << node->x << "," << node->y;
        EXPECT_EQ(Grey, ColourAt(target, node->x + 31, node->y + 31)) << node->x << "," << node->y;
    };
    PathNode* node = path.GetFirst();
    for (int i = 0; i < PathControl::TrackLength; ++i, node = node->next) {
        expectSquare(node, i % 13 == 2 ? BoardColour[i / 13] : White);
        for (PathNode* home = node->branch; home; home = home->next) {
            expectSquare(home, home->kind == KindFinal ? Grey : BoardColour[home->kind]);
        }
    }
    SDL_FreeSurface(target);
}

TEST(PathControlLifetime, SquarePicturesAreFreedWithThePath) {
    SdlSession sdl;
    int before = SurfaceCount;
    {
        PathControl path;
        EXPECT_EQ(before + 5, SurfaceCount);
    }
    EXPECT_EQ(before, SurfaceCount);
}
