#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "SDL_Engine/MersenneTwister.h"
#include "game/BoardTestHelpers.h"
#include "game/ComputerPlayer.h"
#include "game/GameBoard.h"
#include "support/SdlSession.h"

namespace {
const int Draws = 4000;

class ComputerPlayerTest : public testing::Test {
  protected:
    void SetUp() override {
        SharedRandom.init_genrand(20261206);
        for (int c = 1; c < 4; ++c) {
            opponents[c] = std::make_unique<LudoPlayer>(&board, c, "Opponent");
        }
    }

    PathNode* Start(int c) { return board.GetPath().GetStartNode(c); }
    // Colour c's route square that many squares after its start square.
    PathNode* OnRoute(int c, int squares) {
        const LudoPlayer& walker = c == 0 ? static_cast<LudoPlayer&>(computer) : *opponents[c];
        return Along(walker, Start(c), squares);
    }
    int IndexOf(const LudoPiece* piece) {
        for (int k = 0; k < 4; ++k) {
            if (computer.GetPiece(k) == piece) return k;
        }
        return -1;
    }
    // How often each piece is chosen over many draws.
    std::vector<int> Tally(int steps) {
        std::vector<int> counts(5, 0);
        for (int i = 0; i < Draws; ++i) {
            int k = IndexOf(computer.ChoosePiece(steps));
            ++counts[k < 0 ? 4 : k];
        }
        return counts;
    }

    SdlSession sdl;
    GameBoard board;
    ComputerPlayer computer{&board, 0, "Computer"};
    std::unique_ptr<LudoPlayer> opponents[4];
};

double ChiSquare(const std::vector<int>& counts, const std::vector<int>& pieces) {
    double expected = static_cast<double>(Draws) / pieces.size();
    double sum = 0;
    for (int k : pieces) sum += (counts[k] - expected) * (counts[k] - expected) / expected;
    return sum;
}
}  // namespace

TEST_F(ComputerPlayerTest, ThrowOfSixFromAFullYardPicksEveryPieceEvenly) {
    std::vector<int> counts = Tally(6);
    EXPECT_EQ(0, counts[4]);
    EXPECT_LT(ChiSquare(counts, {0, 1, 2, 3}), 16.27);  // 3 degrees of freedom, p = 0.001
}

TEST_F(ComputerPlayerTest, OpponentOnTheStartSquareIsCapturedByAnyYardPiece) {
    Put(*opponents[2], 0, Start(0));
    std::vector<int> counts = Tally(6);
    EXPECT_LT(ChiSquare(counts, {0, 1, 2, 3}), 16.27);
    LudoPiece* chosen = computer.ChoosePiece(6);
    computer.StartPiece(IndexOf(chosen));
    EXPECT_EQ(chosen, Start(0)->occupant);
    EXPECT_TRUE(opponents[2]->IsInYard(0));
}

TEST_F(ComputerPlayerTest, PlainMovesAreChosenEvenly) {
    Put(computer, 1, OnRoute(0, 4));
    Put(computer, 3, OnRoute(0, 20));
    std::vector<int> counts = Tally(3);
    EXPECT_EQ(0, counts[0] + counts[2] + counts[4]);
    EXPECT_LT(ChiSquare(counts, {1, 3}), 10.83);  // 1 degree of freedom, p = 0.001
}

TEST_F(ComputerPlayerTest, FinishingBeatsAPlainMove) {
    Put(computer, 0, OnRoute(0, 10));
    Put(computer, 2, OnRoute(0, 52));
    std::vector<int> counts = Tally(4);
    EXPECT_EQ(Draws, counts[2]);
}

TEST_F(ComputerPlayerTest, CaptureBeatsAPlainMove) {
    Put(computer, 0, OnRoute(0, 10));
    Put(computer, 3, OnRoute(0, 30));
    Put(*opponents[1], 1, OnRoute(0, 35));
    std::vector<int> counts = Tally(5);
    EXPECT_EQ(Draws, counts[3]);
}

TEST_F(ComputerPlayerTest, BetweenFinishAndCaptureTheShuffleDecides) {
    Put(computer, 0, OnRoute(0, 51));
    Put(computer, 1, OnRoute(0, 7));
    Put(*opponents[3], 2, OnRoute(0, 12));
    std::vector<int> counts = Tally(5);
    EXPECT_EQ(Draws, counts[0] + counts[1]);
    EXPECT_LT(ChiSquare(counts, {0, 1}), 10.83);
}

TEST_F(ComputerPlayerTest, NoLegalPieceGivesNoChoiceInsteadOfDrawingForever) {
    EXPECT_EQ(nullptr, computer.ChoosePiece(3));
}

namespace {
struct BoardHit {
    int dx, dy;
    int expected;
};

class ComputerHitTest : public ComputerPlayerTest, public testing::WithParamInterface<BoardHit> {};
}  // namespace

TEST_P(ComputerHitTest, NamesPiecesInBoardPictureCoordinates) {
    PathNode* square = OnRoute(0, 9);
    Put(computer, 3, square);
    board.OnMouseDown(300, 300);
    board.OnMouseMove(123, 77);
    board.OnMouseUp();
    EXPECT_EQ(GetParam().expected,
              computer.GetPieceAt(square->x + GetParam().dx, square->y + GetParam().dy));
}

INSTANTIATE_TEST_SUITE_P(Edges, ComputerHitTest,
                         testing::Values(BoardHit{0, 0, 3}, BoardHit{30, 30, 3}, BoardHit{31, 0, 4},
                                         BoardHit{0, 31, 4}, BoardHit{-1, 0, 4},
                                         BoardHit{0, -1, 4}));

namespace {
// A computer of the given colour against the three other colours, on random positions.
class RandomPositionTest : public testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        int colour = GetParam();
        for (int c = 0; c < 4; ++c) {
            if (c == colour) {
                computer = new ComputerPlayer(&board, c, "Computer");
                players[c].reset(computer);
            } else {
                players[c] = std::make_unique<LudoPlayer>(&board, c, "Opponent");
            }
        }
    }

    void Scatter(std::mt19937& rng) {
        for (auto& player : players) {
            for (int k = 0; k < 4; ++k) {
                LudoPiece* piece = player->GetPiece(k);
                if (piece->GetNode()->occupant == piece) piece->GetNode()->occupant = nullptr;
                piece->Place(piece->GetYardSpot());
            }
        }
        for (auto& player : players) {
            PathNode* start = board.GetPath().GetStartNode(player->GetColour());
            for (int k = 0; k < 4; ++k) {
                if (rng() % 4 == 0) continue;
                PathNode* node = Along(*player, start, static_cast<int>(rng() % 57));
                if (node->kind == KindFinal || !node->occupant) Put(*player, k, node);
            }
        }
    }

    // Finishing, capturing on the destination, or entering with a capture.
    bool IsEager(int steps, int k) {
        const LudoPiece* opponent = nullptr;
        if (computer->IsInYard(k)) {
            if (steps != 6) return false;
            opponent = board.GetPath().GetStartNode(GetParam())->occupant;
        } else if (computer->CanMove(steps, k)) {
            PathNode* destination = Along(*computer, computer->GetPiece(k)->GetNode(), steps);
            if (destination->kind == KindFinal) return true;
            opponent = destination->occupant;
        }
        return opponent && opponent->GetColour() != GetParam();
    }

    bool MayPlay(int steps, int k) {
        bool mayStart = computer->IsInYard(k) && steps == 6 && computer->CanStart();
        return computer->CanMove(steps, k) || mayStart;
    }

    SdlSession sdl;
    GameBoard board;
    std::unique_ptr<LudoPlayer> players[4];
    ComputerPlayer* computer = nullptr;  // owned through players
};
}  // namespace

TEST_P(RandomPositionTest, ChoiceIsAlwaysLegalAndEagerWhenItCanBe) {
    std::mt19937 rng(1234 + GetParam());
    SharedRandom.init_genrand(99 + GetParam());
    int checked = 0;
    for (int position = 0; position < 400; ++position) {
        Scatter(rng);
        for (int steps = 1; steps <= 6; ++steps) {
            bool anyLegal = false, anyEager = false;
            for (int k = 0; k < 4; ++k) {
                anyLegal = anyLegal || MayPlay(steps, k);
                anyEager = anyEager || IsEager(steps, k);
            }
            LudoPiece* chosen = computer->ChoosePiece(steps);
            if (!anyLegal) {
                EXPECT_EQ(nullptr, chosen);
                continue;
            }
            ++checked;
            int k = 0;
            while (k < 4 && computer->GetPiece(k) != chosen) ++k;
            ASSERT_LT(k, 4) << "position " << position << ", throw " << steps;
            EXPECT_TRUE(MayPlay(steps, k)) << "position " << position << ", throw " << steps;
            EXPECT_EQ(anyEager, IsEager(steps, k))
                << "position " << position << ", throw " << steps;
        }
    }
    EXPECT_GT(checked, 1000);
}

INSTANTIATE_TEST_SUITE_P(ComputerColours, RandomPositionTest, testing::Values(0, 1, 2, 3));
