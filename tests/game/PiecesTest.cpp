#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>

#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/SDL_Exception.h"
#include "game/ComputerPlayer.h"
#include "game/GameBoard.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/PathControl.h"
#include "support/SdlSession.h"

namespace {
// Track square i of the ring, counted from the first node.
PathNode* TrackNode(const PathControl& path, int i) {
    PathNode* node = path.GetFirst();
    for (int k = 0; k < i; ++k) node = node->next;
    return node;
}

// The square steps squares along the player's route from node (null past the final square).
PathNode* Along(const LudoPlayer& player, PathNode* node, int steps) {
    for (int i = 0; i < steps && node; ++i) node = player.NextNode(node);
    return node;
}

// Sets piece k down on node as a finished move would, occupant included.
void Put(const LudoPlayer& player, int k, PathNode* node) {
    LudoPiece* piece = player.GetPiece(k);
    if (piece->GetNode()->occupant == piece) piece->GetNode()->occupant = nullptr;
    piece->Place(node);
    if (node->kind != KindFinal) node->occupant = piece;
}

// Runs a selected move to its end; returns the last result and counts the busy updates.
int RunMove(LudoPlayer& player, int* busyUpdates) {
    int result = UpdateBusy;
    for (*busyUpdates = 0; *busyUpdates < 1000 && (result & UpdateBusy); ++*busyUpdates) {
        result = player.Update();
    }
    --*busyUpdates;
    return result;
}

// Four players on one board; colour 0 is played by the computer.
class PiecesTest : public testing::Test {
  protected:
    void SetUp() override {
        GameRecord.finishers.clear();
        for (int c = 1; c < 4; ++c) {
            owned[c] = std::make_unique<LudoPlayer>(&board, c, names[c]);
            players[c] = owned[c].get();
        }
    }

    PathNode* Start(int c) { return board.GetPath().GetStartNode(c); }
    // The square that many squares after colour c's start square, on its route.
    PathNode* OnRoute(int c, int squares) { return Along(*players[c], Start(c), squares); }
    int IndexOf(const LudoPiece* piece) {
        for (int k = 0; k < 4; ++k) {
            if (computer.GetPiece(k) == piece) return k;
        }
        return 4;
    }

    SdlSession sdl;
    GameBoard board;
    const char* names[4] = {"Gina", "Rolf", "Bea", "Yuki"};
    ComputerPlayer computer{&board, 0, names[0]};
    std::unique_ptr<LudoPlayer> owned[4];
    LudoPlayer* players[4] = {&computer};
};

TEST_F(PiecesTest, EachRouteRunsFiftySquaresToItsEntryThenSixHomeAndOthersPassTheEntry) {
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        EXPECT_TRUE(players[c]->AllInYard() && players[c]->CanStart());
        EXPECT_FALSE(players[c]->HasMove(6) || players[c]->NoneInYard());
        PathNode* node = Start(c);
        std::set<PathNode*> seen{node};
        for (int step = 1; step <= 56; ++step) {
            node = players[c]->NextNode(node);
            ASSERT_NE(nullptr, node) << step;
            seen.insert(node);
            EXPECT_EQ(step <= 50 ? KindTrack : step < 56 ? c : KindFinal, node->kind) << step;
        }
        EXPECT_EQ(57u, seen.size());
        EXPECT_EQ(nullptr, players[c]->NextNode(node));
        PathNode* entry = TrackNode(board.GetPath(), 13 * c);
        EXPECT_EQ(entry->branch, OnRoute(c, 51));
        for (int other = 0; other < 4; ++other) {
            EXPECT_EQ(other == c ? entry->branch : entry->next, players[other]->NextNode(entry));
        }
    }
}

TEST_F(PiecesTest, FinishingReportsHomeAndTheLastPieceWinsInTheRecord) {
    for (int c : {3, 1}) {
        for (int k = 0; k < 4; ++k) {
            Put(*players[c], k, OnRoute(c, 54));
            players[c]->SelectMove(2, k);
            int busy = 0;
            EXPECT_EQ(k < 3 ? UpdateHome : UpdateWon | UpdateHome, RunMove(*players[c], &busy));
            EXPECT_EQ(16, busy);
            EXPECT_EQ(3 - k, players[c]->GetPiecesLeft());
            EXPECT_EQ(nullptr, OnRoute(c, 56)->occupant);
        }
        EXPECT_TRUE(players[c]->HasFinished());
    }
    ASSERT_EQ(2u, GameRecord.finishers.size());
    EXPECT_EQ("Yuki", GameRecord.finishers[0].name);
    EXPECT_EQ(3, GameRecord.finishers[0].colour);
    EXPECT_EQ(0, GameRecord.finishers[0].control);
    EXPECT_EQ("Rolf", GameRecord.finishers[1].name);
}

// A person presses in window coordinates, wherever the board was dragged; the computer names
// its piece in board-picture coordinates.
TEST_F(PiecesTest, PieceIsHitOnItsThirtyOneSquarePixels) {
    board.OnMouseDown(60, 20);
    board.OnMouseMove(-40, 150);
    Put(*players[1], 2, OnRoute(1, 5));
    Put(computer, 3, OnRoute(0, 9));
    const int edges[][3] = {{0, 0, 1},  {30, 30, 1}, {30, 0, 1}, {31, 0, 0},
                            {0, 31, 0}, {-1, 0, 0},  {0, -1, 0}};
    for (const auto& e : edges) {
        const PathNode* square = OnRoute(1, 5);
        const int x = square->x + board.GetX() + e[0], y = square->y + board.GetY() + e[1];
        EXPECT_EQ(e[2] ? 2 : LudoPlayer::NoPiece, players[1]->GetPieceAt(x, y)) << e[0] << e[1];
        square = OnRoute(0, 9);
        EXPECT_EQ(e[2] ? 3 : 4, computer.GetPieceAt(square->x + e[0], square->y + e[1]));
    }
}

TEST_F(PiecesTest, OutOfRangePiecesAndStepsAreRefusedAndUnknownColoursThrow) {
    LudoPlayer& red = *players[1];
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

// Finishing, capturing on the destination, or entering with a capture.
bool IsEager(const ComputerPlayer& computer, const PathNode* start, int steps, int k) {
    const LudoPiece* opponent = nullptr;
    if (computer.IsInYard(k)) {
        if (steps != 6) return false;
        opponent = start->occupant;
    } else if (computer.CanMove(steps, k)) {
        const PathNode* destination = Along(computer, computer.GetPiece(k)->GetNode(), steps);
        if (destination->kind == KindFinal) return true;
        opponent = destination->occupant;
    }
    return opponent && opponent->GetColour() != computer.GetColour();
}

TEST_F(PiecesTest, ComputerChoiceIsAlwaysLegalAndEagerWhenItCanBe) {
    std::mt19937 rng(1234);
    SharedRandom.init_genrand(99);
    int checked = 0;
    for (int position = 0; position < 1000; ++position) {
        for (const LudoPlayer* player : players) {
            for (int k = 0; k < 4; ++k) Put(*player, k, player->GetPiece(k)->GetYardSpot());
        }
        for (const LudoPlayer* player : players) {
            for (int k = 0; k < 4; ++k) {
                PathNode* node = OnRoute(player->GetColour(), static_cast<int>(rng() % 57));
                if (rng() % 4 != 0 && (node->kind == KindFinal || !node->occupant)) {
                    Put(*player, k, node);
                }
            }
        }
        for (int steps = 1; steps <= 6; ++steps) {
            bool legal[5] = {false, false, false, false, false}, anyLegal = false, anyEager = false;
            for (int k = 0; k < 4; ++k) {
                legal[k] = computer.CanMove(steps, k) ||
                           (computer.IsInYard(k) && steps == 6 && computer.CanStart());
                anyLegal = anyLegal || legal[k];
                anyEager = anyEager || IsEager(computer, Start(0), steps, k);
            }
            const int k = IndexOf(computer.ChoosePiece(steps));
            SCOPED_TRACE(testing::Message() << "position " << position << ", throw " << steps);
            ASSERT_EQ(anyLegal, k < 4) << "a piece only when one may play";
            if (k < 4) {
                EXPECT_TRUE(legal[k]);
                EXPECT_EQ(anyEager, IsEager(computer, Start(0), steps, k));
            }
            checked += anyLegal;
        }
    }
    EXPECT_GT(checked, 2000);
}
}  // namespace
