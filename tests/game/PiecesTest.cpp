// Where a piece is hit and what a player refuses. The routes, moves, finishing order and the
// computer's choices are pinned square by square by the recorded games' traces.
#include <gtest/gtest.h>

#include <memory>

#include "SDL_Engine/SDL_Exception.h"
#include "game/ComputerPlayer.h"
#include "game/GameBoard.h"
#include "game/LudoPiece.h"
#include "game/PathControl.h"
#include "support/SdlSession.h"

namespace {
// Sets piece k down on node as a finished move would, occupant included.
void Put(const LudoPlayer& player, int k, PathNode* node) {
    LudoPiece* piece = player.GetPiece(k);
    if (piece->GetNode()->occupant == piece) piece->GetNode()->occupant = nullptr;
    piece->Place(node);
    if (node->kind != KindFinal) node->occupant = piece;
}

class PiecesTest : public testing::Test {
  protected:
    // The square that many squares after colour c's start square, on its route.
    PathNode* OnRoute(const LudoPlayer& player, int squares) {
        PathNode* node = board.GetPath().GetStartNode(player.GetColour());
        for (int i = 0; i < squares && node; ++i) node = player.NextNode(node);
        return node;
    }

    SdlSession sdl;
    GameBoard board;
    ComputerPlayer computer{&board, 0, "Gina"};
    LudoPlayer red{&board, 1, "Rolf"};
};

// A person presses in window coordinates, wherever the board was dragged; the computer names
// its piece in board-picture coordinates.
TEST_F(PiecesTest, PieceIsHitOnItsThirtyOneSquarePixels) {
    board.OnMouseDown(60, 20);
    board.OnMouseMove(-40, 150);
    Put(red, 2, OnRoute(red, 5));
    Put(computer, 3, OnRoute(computer, 9));
    struct Edge {
        int dx, dy;  // from the square's top left corner
        bool hit;
    };
    const Edge edges[] = {{0, 0, true},   {30, 30, true}, {30, 0, true}, {31, 0, false},
                          {0, 31, false}, {-1, 0, false}, {0, -1, false}};
    for (const Edge& e : edges) {
        const PathNode* square = OnRoute(red, 5);
        const int x = square->x + board.GetX() + e.dx, y = square->y + board.GetY() + e.dy;
        EXPECT_EQ(e.hit ? 2 : LudoPlayer::NoPiece, red.GetPieceAt(x, y)) << e.dx << "," << e.dy;
        square = OnRoute(computer, 9);
        EXPECT_EQ(e.hit ? 3 : 4, computer.GetPieceAt(square->x + e.dx, square->y + e.dy))
            << e.dx << "," << e.dy;
    }
}

TEST_F(PiecesTest, OutOfRangePiecesAndStepsAreRefusedAndUnknownColoursThrow) {
    red.StartPiece(0);
    for (int k : {-1, 4}) {
        EXPECT_FALSE(red.IsInYard(k) || red.IsPieceFinished(k) || red.CanMove(1, k));
        EXPECT_EQ(nullptr, red.GetPiece(k));
        red.SelectMove(1, k);
    }
    red.StartPiece(1);  // the start square is taken by its own piece
    for (int steps : {0, -1}) red.SelectMove(steps, 0);
    EXPECT_EQ(nullptr, red.GetMovingPiece());
    EXPECT_EQ(UpdateIdle, red.Update());
    EXPECT_TRUE(red.IsInYard(1));
    EXPECT_EQ(nullptr, red.NextNode(nullptr));
    red.Draw(nullptr);
    EXPECT_THROW(LudoPlayer(&board, 4, "Nobody"), SDL_Exception);
    EXPECT_THROW(LudoPlayer(&board, -1, "Nobody"), SDL_Exception);
}
}  // namespace
