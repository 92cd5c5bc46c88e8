#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "game/BoardTestHelpers.h"
#include "game/Dice.h"
#include "game/GameBoard.h"
#include "game/GameConsole.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {
class BoardTest : public testing::Test {
  protected:
    SdlSession sdl{true};
    FakeClock clock{50000};
    GameBoard board;
    PathControl& path = board.GetPath();
};

TEST_F(BoardTest, RingOf52NeighbouringSquaresClosesBothWaysAndBranchesAtFourEntries) {
    std::set<std::pair<int, int>> cells;
    std::set<int> branching;
    PathNode* node = path.GetFirst();
    for (int i = 0; i < PathControl::TrackLength; ++i, node = node->next) {
        SCOPED_TRACE(i);
        EXPECT_EQ(KindTrack, node->kind);
        EXPECT_EQ(node, node->next->prev);
        EXPECT_EQ(0, (node->x - 6) % 32 + (node->y - 6) % 32);
        const int dx = std::abs(node->next->x - node->x), dy = std::abs(node->next->y - node->y);
        EXPECT_TRUE((dx == 0 || dx == 32) && (dy == 0 || dy == 32) && dx + dy > 0);
        cells.insert({node->x, node->y});
        if (node->branch) branching.insert(i);
    }
    EXPECT_EQ(path.GetFirst(), node);
    EXPECT_EQ(52u, cells.size());
    EXPECT_EQ((std::set<int>{0, 13, 26, 39}), branching);
}

TEST_F(BoardTest, HomeStretchRunsSixSquaresToTheCentreAndTheStartLiesTwoAfterTheEntry) {
    const int entries[4][2] = {{6, 230}, {230, 6}, {454, 230}, {230, 454}};
    const int finals[4][2] = {{198, 230}, {230, 198}, {262, 230}, {230, 262}};
    const int starts[4][2] = {{38, 198}, {262, 38}, {422, 262}, {198, 422}};
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        PathNode* entry = TrackNode(path, 13 * c);
        EXPECT_EQ(entries[c][0] * 1000 + entries[c][1], entry->x * 1000 + entry->y);
        EXPECT_EQ(TrackNode(path, 13 * c + 2), path.GetStartNode(c));
        EXPECT_EQ(starts[c][0] * 1000 + starts[c][1],
                  path.GetStartNode(c)->x * 1000 + path.GetStartNode(c)->y);
        PathNode* node = entry->branch;
        for (int k = 0; k < 6; ++k, node = node->next) {
            EXPECT_EQ(k < 5 ? c : KindFinal, node->kind);
            EXPECT_EQ(nullptr, node->branch);
            EXPECT_EQ(k > 0 ? node : nullptr, node->prev ? node->prev->next : nullptr);
            if (k == 5) {
                EXPECT_EQ(finals[c][0] * 1000 + finals[c][1], node->x * 1000 + node->y);
                EXPECT_EQ(nullptr, node->next);
            }
        }
    }
    EXPECT_EQ(nullptr, path.GetStartNode(4));
    EXPECT_EQ(nullptr, path.GetStartNode(-1));
    EXPECT_EQ(nullptr, path.MakeHomeStretch(0, 0, 4));
    EXPECT_EQ(nullptr, path.MakeHomeStretch(0, 0, -1));
}

// The board covers exactly its 491 pixels; a drag keeps the grab offset, may leave the window
// and ends on any release; a second press while dragging changes nothing.
TEST_F(BoardTest, BoardIsDraggedByThePointWhereItWasGrabbed) {
    const int inside[][3] = {{54, 10, 1}, {544, 500, 1}, {53, 10, 0},
                             {54, 9, 0},  {545, 10, 0},  {54, 501, 0}};
    for (const auto& p : inside) EXPECT_EQ(p[2] == 1, board.Contains(p[0], p[1])) << p[0] << p[1];
    board.OnMouseDown(545, 10);
    EXPECT_FALSE(board.IsDragging());
    board.OnMouseDown(100, 50);
    board.OnMouseDown(300, 300);
    ASSERT_TRUE(board.IsDragging());
    board.OnMouseMove(10, 5);
    EXPECT_EQ(-36 * 1000 - 35, board.GetX() * 1000 + board.GetY());
    board.OnMouseMove(700, 700);
    board.OnMouseUp();
    board.OnMouseMove(0, 0);
    EXPECT_FALSE(board.IsDragging());
    EXPECT_EQ(654 * 1000 + 660, board.GetX() * 1000 + board.GetY());
    board.OnMouseDown(54, 10);
    EXPECT_FALSE(board.IsDragging()) << "the board has left that point";
}

TEST_F(BoardTest, ThrowIsFinalAtOnceAndRollsFor2060MsAlsoAcrossTheTickWrap) {
    Dice die;
    for (Uint32 start : {50000u, 0xFFFFFFFFu - 1000}) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            SharedRandom.init_genrand(seed);
            FakeClock::Set(start + seed);
            die.Roll();
            const int value = die.GetValue();
            EXPECT_TRUE(value >= 1 && value <= 6);
            FakeClock::Advance(Dice::RollTime);
            EXPECT_TRUE(die.IsRolling());
            FakeClock::Advance(1);
            EXPECT_FALSE(die.IsRolling());
            EXPECT_EQ(value, die.GetValue());
        }
    }
    die.FixValue(7);  // out of range: random again
    std::set<int> faces;
    for (int i = 0; i < 200; ++i, die.Roll()) faces.insert(die.GetValue());
    EXPECT_EQ(6u, faces.size());
    die.Draw(nullptr);
}

struct Step {
    Uint32 tick;        // the update runs at this tick
    const char* shown;  // what the panel shows after it
};

// A of 100 ms and B of 0 ms queued together over the standing text, before the wrap and across.
TEST_F(BoardTest, NoticesAreTimedOneAfterAnotherFromTheUpdateThatShowsThem) {
    GameConsole console;
    for (Uint32 base : {10000u, 0xFFFFFFFFu - 100}) {
        console.SetText("stand");
        console.AddMessage({"A", 0, 100});
        console.AddMessage({"B", 0, 0});
        EXPECT_EQ("A", console.GetCurrentText());
        const std::vector<Step> steps = {
            {0, "A"},      {100, "A"}, {101, "B"},  // A goes; B waits for its first update
            {120, "B"},    {120, "B"},              // a zero duration needs the clock to move
            {121, "stand"}};
        for (const Step& step : steps) {
            FakeClock::Set(base + step.tick);
            console.Update();
            EXPECT_EQ(step.shown, console.GetCurrentText()) << "at " << base << "+" << step.tick;
        }
        EXPECT_FALSE(console.HasMessages());
    }
    console.AddMessage({"notice", 0, 1000});
    console.Clear();
    EXPECT_FALSE(console.HasMessages());
    EXPECT_EQ("", console.GetCurrentText());
}

// The block of lines sits centred on the panel's height, rounded down even when it is taller
// than the panel; the text is drawn in the panel's blue from x 30.
TEST_F(BoardTest, ConsoleTextIsCentredOnThePanelInItsBlue) {
    GameConsole console;
    const int panelHeight = SurfaceHolder("data/gfx/console.png").Get()->h;
    FontHolder font("data/fonts/Neuropol.ttf", 18);
    std::string text = "x";
    for (int lines = 1; lines <= 8; ++lines, text += "\nx") {
        const int spare = panelHeight - lines * GetLineSkip(&font);
        const int offset = console.GetTextTop(text) - GameConsole::PanelY;
        EXPECT_TRUE(2 * offset <= spare && 2 * offset + 2 > spare) << lines << " lines";
    }
    SDL_Surface* screen = sdl.Screen();
    console.SetText("Anna,\nplease throw your dice!");
    console.Draw(screen);
    console.Draw(nullptr);
    SDL_Surface* expected = SDL_CreateRGBSurface(0, 600, 600, 32, 0, 0, 0, 0);
    SurfaceHolder("data/gfx/console.png").DrawOn(expected, 20, 520);
    DrawText(&font, expected, SDL_Color{65, 70, 235, 0}, 30,
             console.GetTextTop(console.GetCurrentText()), console.GetCurrentText());
    int differing = 0;
    for (int y = 500; y < 600; ++y) {
        for (int x = 0; x < 600; ++x) {
            Uint8 r1, g1, b1, r2, g2, b2;
            SDL_GetRGB(GetPixel(screen, x, y), screen->format, &r1, &g1, &b1);
            SDL_GetRGB(GetPixel(expected, x, y), expected->format, &r2, &g2, &b2);
            differing += r1 != r2 || g1 != g2 || b1 != b2;
        }
    }
    EXPECT_EQ(0, differing);
    SDL_FreeSurface(expected);
}
}  // namespace
