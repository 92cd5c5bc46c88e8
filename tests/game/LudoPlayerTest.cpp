#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "SDL_Engine/ResourceCounters.h"
#include "game/BoardTestHelpers.h"
#include "game/GameBoard.h"
#include "game/GameRecord.h"
#include "support/SdlSession.h"

namespace {
class LudoPlayerTest : public testing::Test {
  protected:
    void SetUp() override {
        GameRecord.finishers.clear();
        for (int c = 0; c < 4; ++c) {
            players[c] = std::make_unique<LudoPlayer>(&board, c, names[c]);
        }
    }
    void TearDown() override { GameRecord.finishers.clear(); }

    PathNode* Start(int c) { return board.GetPath().GetStartNode(c); }
    PathNode* Final(int c) { return Along(*players[c], Start(c), 56); }
    // The square that many squares before colour c's final square, on its route.
    PathNode* BeforeFinal(int c, int squares) { return Along(*players[c], Start(c), 56 - squares); }

    SdlSession sdl;
    GameBoard board;
    const char* names[4] = {"Gina", "Rolf", "Bea", "Yuki"};
    std::unique_ptr<LudoPlayer> players[4];
};

class EachColourTest : public LudoPlayerTest, public testing::WithParamInterface<int> {};
}  // namespace

TEST_P(EachColourTest, NewPlayerWaitsInItsYardWithoutMoves) {
    int c = GetParam();
    const int spots[4][4][2] = {{{87, 55}, {119, 87}, {87, 119}, {55, 87}},
                                {{375, 55}, {407, 87}, {375, 119}, {343, 87}},
                                {{375, 343}, {407, 375}, {375, 407}, {343, 375}},
                                {{87, 343}, {119, 375}, {87, 407}, {55, 375}}};
    LudoPlayer& player = *players[c];
    for (int k = 0; k < 4; ++k) {
        LudoPiece* piece = player.GetPiece(k);
        EXPECT_EQ(spots[c][k][0], piece->GetX()) << k;
        EXPECT_EQ(spots[c][k][1], piece->GetY()) << k;
        EXPECT_EQ(piece->GetYardSpot(), piece->GetNode());
        EXPECT_EQ(KindYardSpot, piece->GetNode()->kind);
        EXPECT_TRUE(player.IsInYard(k));
    }
    EXPECT_TRUE(player.AllInYard());
    EXPECT_FALSE(player.NoneInYard());
    for (int steps = 1; steps <= 6; ++steps) EXPECT_FALSE(player.HasMove(steps)) << steps;
    EXPECT_TRUE(player.CanStart());
    EXPECT_EQ(4, player.GetPiecesLeft());
    EXPECT_EQ(TurnStart, player.GetTurnState());
    EXPECT_EQ(UpdateIdle, player.Update());
}

TEST_P(EachColourTest, RouteRunsFiftySquaresToTheEntryThenSixHome) {
    int c = GetParam();
    LudoPlayer& player = *players[c];
    PathNode* node = Start(c);
    std::set<PathNode*> seen{node};
    for (int step = 1; step <= 56; ++step) {
        node = player.NextNode(node);
        ASSERT_NE(nullptr, node) << step;
        seen.insert(node);
        int expectedKind = step <= 50 ? KindTrack : step < 56 ? c : KindFinal;
        EXPECT_EQ(expectedKind, node->kind) << step;
        if (step == 50) {
            EXPECT_EQ(TrackNode(board.GetPath(), 13 * c), node);
        }
    }
    EXPECT_EQ(57u, seen.size());
    EXPECT_EQ(nullptr, player.NextNode(node));
    EXPECT_EQ(nullptr, player.NextNode(nullptr));
}

TEST_P(EachColourTest, OtherColoursPassTheEntrySquare) {
    int c = GetParam();
    PathNode* entry = TrackNode(board.GetPath(), 13 * c);
    for (int other = 0; other < 4; ++other) {
        PathNode* expected = other == c ? entry->branch : entry->next;
        EXPECT_EQ(expected, players[other]->NextNode(entry)) << other;
    }
}

TEST_P(EachColourTest, HomeStretchNeedsTheExactCount) {
    int c = GetParam();
    LudoPlayer& player = *players[c];
    for (int distance = 1; distance <= 8; ++distance) {
        Put(player, 0, BeforeFinal(c, distance));
        for (int steps = 1; steps <= 6; ++steps) {
            EXPECT_EQ(steps <= distance, player.CanMove(steps, 0))
                << "distance " << distance << ", steps " << steps;
        }
    }
}

TEST_P(EachColourTest, FinishedPieceNeverMoves) {
    int c = GetParam();
    Put(*players[c], 2, Final(c));
    EXPECT_TRUE(players[c]->IsPieceFinished(2));
    EXPECT_EQ(nullptr, Final(c)->occupant);
    for (int steps = 1; steps <= 6; ++steps) EXPECT_FALSE(players[c]->CanMove(steps, 2));
}

INSTANTIATE_TEST_SUITE_P(Colours, EachColourTest, testing::Values(0, 1, 2, 3));

TEST_F(LudoPlayerTest, OwnPieceOnTheDestinationBlocksTheMove) {
    LudoPlayer& green = *players[0];
    Put(green, 0, Start(0));
    Put(green, 1, Along(green, Start(0), 4));
    EXPECT_FALSE(green.CanMove(4, 0));
    EXPECT_TRUE(green.CanMove(3, 0));
    EXPECT_TRUE(green.CanMove(5, 0)) << "passing over an own piece is allowed";
}

TEST_F(LudoPlayerTest, ArrivalOnAnOpponentSendsItToItsOwnYardSpot) {
    LudoPlayer& green = *players[0];
    LudoPlayer& blue = *players[2];
    PathNode* target = Along(green, Start(0), 3);
    Put(green, 0, Start(0));
    Put(blue, 3, target);
    ASSERT_TRUE(green.CanMove(3, 0));
    green.SelectMove(3, 0);
    int busy = 0;
    EXPECT_EQ(0, RunMove(green, &busy));
    EXPECT_EQ(target, green.GetPiece(0)->GetNode());
    EXPECT_EQ(green.GetPiece(0), target->occupant);
    EXPECT_EQ(nullptr, Start(0)->occupant);
    LudoPiece* captured = blue.GetPiece(3);
    EXPECT_TRUE(blue.IsInYard(3));
    EXPECT_EQ(captured, captured->GetYardSpot()->occupant);
    EXPECT_EQ(captured->GetYardSpot()->x, captured->GetX());
    EXPECT_EQ(captured->GetYardSpot()->y, captured->GetY());
}

TEST_F(LudoPlayerTest, EnteringTheStartSquareCapturesAnOpponent) {
    LudoPlayer& red = *players[1];
    LudoPlayer& yellow = *players[3];
    Put(yellow, 1, Start(1));
    ASSERT_TRUE(red.CanStart());
    red.StartPiece(2);
    EXPECT_EQ(Start(1), red.GetPiece(2)->GetNode());
    EXPECT_EQ(Start(1)->x, red.GetPiece(2)->GetX());
    EXPECT_EQ(red.GetPiece(2), Start(1)->occupant);
    EXPECT_FALSE(red.GetPiece(2)->IsStepping());
    EXPECT_TRUE(yellow.IsInYard(1));
    EXPECT_FALSE(red.AllInYard());
}

TEST_F(LudoPlayerTest, OwnPieceOnTheStartSquareKeepsOthersInTheYard) {
    LudoPlayer& blue = *players[2];
    blue.StartPiece(0);
    EXPECT_FALSE(blue.CanStart());
    blue.StartPiece(1);
    EXPECT_TRUE(blue.IsInYard(1));
    EXPECT_EQ(blue.GetPiece(0), Start(2)->occupant);
}

TEST_F(LudoPlayerTest, RefusedMoveIsNotStarted) {
    LudoPlayer& green = *players[0];
    Put(green, 0, BeforeFinal(0, 2));
    green.SelectMove(3, 0);
    EXPECT_EQ(nullptr, green.GetMovingPiece());
    EXPECT_EQ(UpdateIdle, green.Update());
    EXPECT_EQ(BeforeFinal(0, 2), green.GetPiece(0)->GetNode());
}

namespace {
class WalkTest : public LudoPlayerTest, public testing::WithParamInterface<int> {};
}  // namespace

// Green's start square is ring square 2; the step after ring square 6 is diagonal.
TEST_P(WalkTest, EachSquareTakesEightUpdatesThenOneArrival) {
    int steps = GetParam();
    LudoPlayer& green = *players[0];
    green.StartPiece(0);
    LudoPiece* piece = green.GetPiece(0);
    PathNode* target = Along(green, Start(0), steps);
    green.SelectMove(steps, 0);
    for (int update = 1; update <= 8 * steps; ++update) {
        int oldX = piece->GetX(), oldY = piece->GetY();
        ASSERT_EQ(UpdateBusy, green.Update()) << update;
        int moved = std::abs(piece->GetX() - oldX) + std::abs(piece->GetY() - oldY);
        EXPECT_TRUE(moved == 4 || moved == 8) << update;
        EXPECT_EQ(update % 8 != 0, piece->IsStepping()) << update;
    }
    EXPECT_EQ(target->x, piece->GetX());
    EXPECT_EQ(target->y, piece->GetY());
    EXPECT_EQ(0, green.Update());
    EXPECT_EQ(nullptr, green.GetMovingPiece());
    EXPECT_EQ(piece, target->occupant);
    EXPECT_EQ(UpdateIdle, green.Update());
}

INSTANTIATE_TEST_SUITE_P(Steps, WalkTest, testing::Range(1, 7));

TEST_F(LudoPlayerTest, PieceOnItsWayIsHitOnTheSquareItWalksTo) {
    LudoPlayer& green = *players[0];
    green.StartPiece(1);
    green.SelectMove(1, 1);
    green.Update();
    PathNode* next = Along(green, Start(0), 1);
    EXPECT_EQ(1, green.GetPieceAt(next->x + 54, next->y + 10));
    EXPECT_EQ(LudoPlayer::NoPiece, green.GetPieceAt(Start(0)->x + 54, Start(0)->y + 10));
}

TEST_F(LudoPlayerTest, FinishingReportsHomeAndTheLastPieceWins) {
    LudoPlayer& yellow = *players[3];
    for (int k = 0; k < 4; ++k) {
        Put(yellow, k, BeforeFinal(3, 2));
        yellow.SelectMove(2, k);
        int busy = 0;
        int result = RunMove(yellow, &busy);
        EXPECT_EQ(16, busy);
        EXPECT_EQ(k < 3 ? UpdateHome : UpdateWon | UpdateHome, result) << k;
        EXPECT_EQ(nullptr, Final(3)->occupant);
        EXPECT_EQ(k < 3 ? 0u : 1u, GameRecord.finishers.size()) << k;
    }
    EXPECT_EQ(UpdateIdle, yellow.Update());
    EXPECT_TRUE(yellow.HasFinished());
    ASSERT_EQ(1u, GameRecord.finishers.size());
    EXPECT_EQ("Yuki", GameRecord.finishers[0].name);
    EXPECT_EQ(3, GameRecord.finishers[0].colour);
    EXPECT_EQ(0, GameRecord.finishers[0].control);
}

TEST_F(LudoPlayerTest, FinishersAreRecordedInTheOrderTheyFinish) {
    for (int c : {2, 0}) {
        LudoPlayer& player = *players[c];
        for (int k = 0; k < 4; ++k) {
            Put(player, k, BeforeFinal(c, 1));
            player.SelectMove(1, k);
            int busy = 0;
            RunMove(player, &busy);
        }
        EXPECT_EQ(0, player.GetPiecesLeft());
    }
    ASSERT_EQ(2u, GameRecord.finishers.size());
    EXPECT_EQ("Bea", GameRecord.finishers[0].name);
    EXPECT_EQ("Gina", GameRecord.finishers[1].name);
}

namespace {
struct HitCase {
    int dx, dy;
    int expected;
};

class PieceHitTest : public LudoPlayerTest, public testing::WithParamInterface<HitCase> {};
}  // namespace

TEST_P(PieceHitTest, HitsThirtyOneSquarePixelsInWindowCoordinates) {
    LudoPlayer& red = *players[1];
    PathNode* square = Along(red, Start(1), 5);
    Put(red, 2, square);
    board.OnMouseDown(60, 20);
    board.OnMouseMove(-40, 150);
    board.OnMouseUp();
    int x = square->x + board.GetX() + GetParam().dx;
    int y = square->y + board.GetY() + GetParam().dy;
    EXPECT_EQ(GetParam().expected, red.GetPieceAt(x, y));
}

INSTANTIATE_TEST_SUITE_P(Edges, PieceHitTest,
                         testing::Values(HitCase{0, 0, 2}, HitCase{30, 30, 2}, HitCase{30, 0, 2},
                                         HitCase{31, 0, 4}, HitCase{0, 31, 4}, HitCase{-1, 0, 4},
                                         HitCase{0, -1, 4}));

TEST_F(LudoPlayerTest, PiecesAreDrawnWhereTheBoardHasBeenDragged) {
    SDL_Surface* screen = sdl.Screen();
    board.OnMouseDown(54, 10);
    board.OnMouseMove(84, 50);
    SDL_FillRect(screen, nullptr, 0);
    players[2]->Draw(screen);
    players[2]->Draw(nullptr);
    LudoPiece* piece = players[2]->GetPiece(0);
    EXPECT_NE(Black, ColourAt(screen, piece->GetX() + 84 + 15, piece->GetY() + 50 + 15));
    EXPECT_EQ(Black, ColourAt(screen, piece->GetX() + 54 + 15, piece->GetY() + 10 + 15));
}

TEST(LudoPlayerLifetime, PlayerFreesItsPiecePicture) {
    SdlSession sdl;
    int before = SurfaceCount;
    GameBoard* board = new GameBoard;
    LudoPlayer* player = new LudoPlayer(board, 1, "Rolf");
    EXPECT_EQ(before + 7, SurfaceCount);
    delete player;
    EXPECT_EQ(before + 6, SurfaceCount);
    delete board;
    EXPECT_EQ(before, SurfaceCount);
}
