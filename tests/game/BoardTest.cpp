#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "game/Dice.h"
#include "game/GameBoard.h"
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

// Only the four colours have a start square and a home stretch.
TEST_F(BoardTest, OtherColoursHaveNoStartAndNoHomeStretch) {
    for (int colour : {-1, 4}) {
        EXPECT_EQ(nullptr, path.GetStartNode(colour));
        EXPECT_EQ(nullptr, path.MakeHomeStretch(0, 0, colour));
    }
}

// The board covers exactly its 491 pixels; a drag keeps the grab offset, may leave the window
// and ends on any release; a second press while dragging changes nothing.
TEST_F(BoardTest, BoardIsDraggedByThePointWhereItWasGrabbed) {
    const int inside[][3] = {{54, 10, 1}, {544, 500, 1}, {53, 10, 0},
                             {54, 9, 0},  {545, 10, 0},  {54, 501, 0}};
    for (const auto& p : inside)
        EXPECT_EQ(p[2] == 1, board.Contains(p[0], p[1])) << p[0] << "," << p[1];
    board.OnMouseDown(545, 10);
    EXPECT_FALSE(board.IsDragging());
    board.OnMouseDown(100, 50);
    board.OnMouseDown(300, 300);
    ASSERT_TRUE(board.IsDragging());
    board.OnMouseMove(10, 5);
    EXPECT_EQ(std::make_pair(-36, -35), std::make_pair(board.GetX(), board.GetY()));
    board.OnMouseMove(700, 700);
    board.OnMouseUp();
    board.OnMouseMove(0, 0);
    EXPECT_FALSE(board.IsDragging());
    EXPECT_EQ(std::make_pair(654, 660), std::make_pair(board.GetX(), board.GetY()));
    board.OnMouseDown(54, 10);
    EXPECT_FALSE(board.IsDragging()) << "the board has left that point";
}

// A face out of range fixes nothing: the die throws at random again.
TEST_F(BoardTest, DieFixedOutOfRangeThrowsAtRandom) {
    Dice die;
    die.FixValue(7);
    std::set<int> faces;
    for (int i = 0; i < 200; ++i, die.Roll()) faces.insert(die.GetValue());
    EXPECT_EQ(6u, faces.size());
}

}  // namespace
