#include <gtest/gtest.h>

#include "SDL_Engine/ResourceCounters.h"
#include "game/BoardTestHelpers.h"
#include "game/GameBoard.h"
#include "support/SdlSession.h"

namespace {
class GameBoardTest : public testing::Test {
  protected:
    SdlSession sdl;
    GameBoard board;
    SDL_Surface* Picture() { return board.GetPicture()->Get(); }
};

struct PixelCase {
    const char* what;
    int x, y;
    Rgb colour;
};

void PrintTo(const PixelCase& c, std::ostream* out) { *out << c.what; }

class BoardPictureTest : public GameBoardTest, public testing::WithParamInterface<PixelCase> {};
}  // namespace

TEST_P(BoardPictureTest, PixelHasTheColourOfItsPart) {
    const PixelCase& c = GetParam();
    EXPECT_EQ(c.colour, ColourAt(Picture(), c.x, c.y)) << c.what << " at " << c.x << "," << c.y;
}

// Yard-relative points are shifted by the green yard's corner (6, 6) unless noted.
INSTANTIATE_TEST_SUITE_P(
    NamedPoints, BoardPictureTest,
    testing::Values(
        PixelCase{"frame corner", 0, 0, White}, PixelCase{"frame", 2, 2, White},
        PixelCase{"field corner", 5, 5, Grey}, PixelCase{"green yard", 6, 6, BoardColour[0]},
        PixelCase{"red yard", 294, 6, BoardColour[1]},
        PixelCase{"blue yard", 484, 484, BoardColour[2]},
        PixelCase{"yellow yard", 6, 484, BoardColour[3]},
        PixelCase{"diamond left corner", 6, 101, Black},
        PixelCase{"diamond top corner", 101, 6, Black},
        PixelCase{"diamond upper left side", 53, 54, Black},
        PixelCase{"red diamond lower right side", 294 + 142, 6 + 143, Black},
        PixelCase{"spot border", 86, 54, Black}, PixelCase{"spot inside", 87, 55, White},
        PixelCase{"spot border far corner", 118, 86, Black},
        PixelCase{"spot top border", 100, 54, Black}, PixelCase{"spot left border", 86, 70, Black},
        PixelCase{"spot inside bottom right", 117, 85, White},
        PixelCase{"left spot of yellow", 6 + 48, 294 + 80, Black},
        PixelCase{"green triangle", 213, 245, BoardColour[0]},
        PixelCase{"red triangle", 245, 213, BoardColour[1]},
        PixelCase{"blue triangle", 277, 245, BoardColour[2]},
        PixelCase{"yellow triangle", 245, 277, BoardColour[3]},
        PixelCase{"diagonal between green and red", 220, 220, Grey},
        PixelCase{"green start square", 38, 198, BoardColour[0]},
        PixelCase{"green entry square", 6, 230, White},
        PixelCase{"gap between squares", 37, 230, Grey}));

TEST_F(GameBoardTest, DrawCopiesThePictureAtTheBoardPosition) {
    SDL_Surface* screen = sdl.Screen();
    SDL_FillRect(screen, nullptr, 0);
    board.Draw(screen);
    board.Draw(nullptr);
    EXPECT_EQ(Black, ColourAt(screen, 53, 9));
    EXPECT_EQ(White, ColourAt(screen, 54, 10));
    EXPECT_EQ(Grey, ColourAt(screen, 59, 15));
    EXPECT_EQ(BoardColour[0], ColourAt(screen, 60, 16));
}

TEST(GameBoardLifetime, KeepsOnlyThePictureAndTheSquarePictures) {
    SdlSession sdl;
    int before = SurfaceCount;
    GameBoard* board = new GameBoard;
    EXPECT_EQ(before + 1 + 5, SurfaceCount);
    delete board;
    EXPECT_EQ(before, SurfaceCount);
}

namespace {
struct ContainsCase {
    int x, y;
    bool inside;
};

class BoardContainsTest : public GameBoardTest, public testing::WithParamInterface<ContainsCase> {};
}  // namespace

TEST_P(BoardContainsTest, CoversExactlyThePicture) {
    EXPECT_EQ(GetParam().inside, board.Contains(GetParam().x, GetParam().y));
}

INSTANTIATE_TEST_SUITE_P(Edges, BoardContainsTest,
                         testing::Values(ContainsCase{54, 10, true}, ContainsCase{544, 500, true},
                                         ContainsCase{53, 10, false}, ContainsCase{54, 9, false},
                                         ContainsCase{545, 10, false},
                                         ContainsCase{54, 501, false}));

TEST_F(GameBoardTest, PressOnTheTopLeftPixelStartsADrag) {
    board.OnMouseDown(54, 10);
    EXPECT_TRUE(board.IsDragging());
}

TEST_F(GameBoardTest, PressJustRightOfTheBoardStartsNoDrag) {
    board.OnMouseDown(545, 10);
    board.OnMouseMove(600, 100);
    EXPECT_FALSE(board.IsDragging());
    EXPECT_EQ(54, board.GetX());
    EXPECT_EQ(10, board.GetY());
}

TEST_F(GameBoardTest, DragKeepsTheGrabOffsetAndMayLeaveTheWindow) {
    board.OnMouseDown(100, 50);
    board.OnMouseMove(10, 5);
    EXPECT_EQ(-36, board.GetX());
    EXPECT_EQ(-35, board.GetY());
    board.OnMouseMove(300, 400);
    EXPECT_EQ(254, board.GetX());
    EXPECT_EQ(360, board.GetY());
}

TEST_F(GameBoardTest, ReleaseAnywhereEndsTheDrag) {
    board.OnMouseDown(100, 50);
    board.OnMouseMove(700, 700);
    board.OnMouseUp();
    EXPECT_FALSE(board.IsDragging());
    board.OnMouseMove(0, 0);
    EXPECT_EQ(654, board.GetX());
    EXPECT_EQ(660, board.GetY());
}

TEST_F(GameBoardTest, SecondPressWhileDraggingKeepsTheOffset) {
    board.OnMouseDown(100, 50);
    board.OnMouseDown(300, 300);
    board.OnMouseMove(146, 90);
    EXPECT_EQ(100, board.GetX());
    EXPECT_EQ(50, board.GetY());
}
