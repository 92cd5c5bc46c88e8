#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GameTable.h"
#include "game/GameMessages.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "game/PathNode.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {

using Strings = std::vector<std::string>;

const std::vector<PlayerInfo> TwoHumans = {{"Anna", 0, 1}, {"Bert", 1, 1}};

// Anna (green) and Bert (red) at the table; the clock is far from 0 as it is in a real session.
class GameControlTest : public testing::Test {
  protected:
    void SetUp() override {
        GameTable::TakeGameOverEvents();
        GameRecord.finishers.clear();
    }

    // Steps to Anna's first throw, throws value and lets the die stop.
    void ThrowFirst(int value) {
        ASSERT_TRUE(table.StepUntil(WaitThrow));
        table.Control().GetDice().FixValue(value);
        table.Control().ThrowDice();
        ASSERT_EQ(Rolling, table.State());
        table.Shown().clear();
        ASSERT_TRUE(table.StepWhile(Rolling, 110));
    }

    std::string Said(unsigned seat, int message) {
        return GameTable::Said(table.Player(seat), message);
    }

    SdlSession sdl{true};
    FakeClock clock{100000};
    GameTable table{TwoHumans};
    LudoPlayer* anna = table.Player(0);
};

TEST_F(GameControlTest, FirstTurnAsksForTheThrowOnTheFirstUpdateMoreThan1000MsLater) {
    table.Step();
    const Uint32 first = FakeClock::Now();
    EXPECT_EQ(Strings{Said(0, MessageYourTurn)}, table.Shown());
    while (FakeClock::Now() < first + 1000) {
        table.Step();
        ASSERT_EQ(TurnStart, table.State()) << "at +" << FakeClock::Now() - first;
    }
    table.Step();
    EXPECT_EQ(WaitThrow, table.State());
    EXPECT_EQ((Strings{Said(0, MessageYourTurn), Said(0, MessageThrow)}), table.Shown());
}

struct ThrowCase {
    const char* name;
    std::function<void(LudoPlayer*)> setup;
    int value;
    TurnState state;        // right after the die stops
    std::vector<int> said;  // messages for Anna, then -1 and messages for Bert
    bool passes;
};

void PrintTo(const ThrowCase& c, std::ostream* os) { *os << c.name; }

class ThrowEvaluationTest : public GameControlTest,
                            public testing::WithParamInterface<ThrowCase> {};

TEST_P(ThrowEvaluationTest, StoppedDieLeadsToTheRightStepAndTellsThePlayer) {
    const ThrowCase& c = GetParam();
    c.setup(anna);
    ThrowFirst(c.value);
    EXPECT_EQ(c.state, table.State());
    EXPECT_EQ(c.passes ? 1u : 0u, table.Control().GetNextPlayer());
    for (int i = 0; i < 90; ++i) table.Step();  // the notice, and Bert's turn if it passes
    Strings expected;
    unsigned seat = 0;
    for (int message : c.said) {
        if (message < 0) {
            seat = 1;
        } else {
            expected.push_back(Said(seat, message));
        }
    }
    EXPECT_EQ(expected, table.Shown());
    // A turn with a move to make passes only after the move.
    EXPECT_EQ(c.passes && c.state == TurnEnd ? 1u : 0u, table.Control().GetCurrentPlayer());
}

const auto Nothing = [](LudoPlayer*) {};
const auto OneOnStart = [](LudoPlayer* p) { GameTable::Walk(p, 0, 0); };
const auto OneFinished = [](LudoPlayer* p) { GameTable::Walk(p, 0, 56); };
const auto OneThreeBeforeHome = [](LudoPlayer* p) { GameTable::Walk(p, 0, 53); };

const std::vector<int> NoMovesThenBert = {MessageNoMoves, -1, MessageYourTurn};

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryOutcome, ThrowEvaluationTest, testing::Values(
    ThrowCase{"AllInYardNoSix", Nothing, 3, TurnEnd, NoMovesThenBert, true},
    ThrowCase{"AllInYardSix", Nothing, 6, WaitSelect, {MessageSixStart, MessageSelect}, false},
    ThrowCase{"MovableSix", OneOnStart, 6, WaitSelect, {MessageSixBonus, MessageSelect}, false},
    ThrowCase{"MovableNoSix", OneOnStart, 4, WaitSelect, {MessageSelect}, true},
    ThrowCase{"NoMoveSixStarts", OneFinished, 6, WaitSelect, {MessageSixStart, MessageSelect},
              false},
    ThrowCase{"NoMoveNoSix", OneFinished, 3, TurnEnd, NoMovesThenBert, true},
    ThrowCase{"OvershootOnly", OneThreeBeforeHome, 5, TurnEnd, NoMovesThenBert, true}),
    [](const testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.name); });
// clang-format on

struct ClickCase {
    const char* name;
    std::function<void(LudoPlayer*, LudoPlayer*)> setup;  // Anna, Bert
    int value;
    int piece;  // Anna's piece pressed; 4 presses an empty spot off the board
    TurnState state;
    int notice;  // -1 for none
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class ClickTest : public GameControlTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTest, PressWhileChoosingMovesStartsOrExplains) {
    const ClickCase& c = GetParam();
    c.setup(anna, table.Player(1));
    ThrowFirst(c.value);
    ASSERT_EQ(WaitSelect, table.State());
    for (int i = 0; i < 80; ++i) table.Step();  // past any notice of the throw
    table.Shown().clear();
    const WindowPoint at = c.piece < 4 ? GameTable::SquareOf(anna, c.piece) : WindowPoint{5, 595};
    table.Control().HandleClick(at.x, at.y);
    EXPECT_EQ(c.state, table.State());
    table.Step();
    if (c.state == Moving) {
        EXPECT_EQ("", table.Console().GetCurrentText());
    }
    for (int i = 0; i < 30; ++i) table.Step();
    Strings expected;
    if (c.state == WaitSelect) expected = {Said(0, MessageSelect)};
    if (c.notice >= 0) expected.insert(expected.begin(), Said(0, c.notice));
    if (c.state == TurnStart) expected = {Said(0, MessageYourTurn)};
    EXPECT_EQ(expected, table.Shown());
    EXPECT_EQ(0u, table.Control().GetCurrentPlayer());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPress, ClickTest,
    testing::Values(
        ClickCase{"MovablePiece", [](LudoPlayer* a, LudoPlayer*) { GameTable::Walk(a, 0, 0); }, 4,
                  0, Moving, -1},
        ClickCase{"YardPieceWithSix", [](LudoPlayer*, LudoPlayer*) {}, 6, 2, TurnStart, -1},
        ClickCase{"FinishedPiece",
                  [](LudoPlayer* a, LudoPlayer*) {
                      GameTable::Walk(a, 0, 56);
                      GameTable::Walk(a, 1, 0);
                  },
                  4, 0, WaitSelect, MessagePieceFinished},
        ClickCase{"OvershootingPiece",
                  [](LudoPlayer* a, LudoPlayer*) {
                      GameTable::Walk(a, 0, 53);
                      GameTable::Walk(a, 1, 0);
                  },
                  5, 0, WaitSelect, MessageInvalidMove},
        ClickCase{"YardPieceWithoutSix",
                  [](LudoPlayer* a, LudoPlayer*) { GameTable::Walk(a, 1, 0); }, 4, 0, WaitSelect,
                  MessageInvalidMove},
        ClickCase{"OntoOwnPiece",
                  [](LudoPlayer* a, LudoPlayer*) {
                      GameTable::Walk(a, 1, 4);
                      GameTable::Walk(a, 0, 0);
                  },
                  4, 0, WaitSelect, MessageInvalidMove},
        ClickCase{"EmptySpot", [](LudoPlayer* a, LudoPlayer*) { GameTable::Walk(a, 0, 0); }, 4, 4,
                  WaitSelect, -1}),
    [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST_F(GameControlTest, ThrowsAndPressesOutsideTheirStepsChangeNothing) {
    GameTable::Walk(anna, 0, 0);
    Dice& die = table.Control().GetDice();
    const WindowPoint piece = GameTable::SquareOf(anna, 0);
    table.Step();
    die.FixValue(5);
    table.Control().ThrowDice();  // TurnStart
    EXPECT_EQ(TurnStart, table.State());
    EXPECT_EQ(1, die.GetValue());
    ASSERT_TRUE(table.StepUntil(WaitThrow));
    table.Control().HandleClick(piece.x, piece.y);
    EXPECT_EQ(WaitThrow, table.State());
    die.FixValue(2);
    table.Control().ThrowDice();
    ASSERT_EQ(Rolling, table.State());
    die.FixValue(5);
    table.Control().ThrowDice();  // while rolling
    table.Control().HandleClick(piece.x, piece.y);
    EXPECT_EQ(2, die.GetValue());
    ASSERT_TRUE(table.StepUntil(WaitSelect, 110));
    table.Control().ThrowDice();
    EXPECT_EQ(WaitSelect, table.State());
    EXPECT_EQ(2, die.GetValue());
    table.Control().HandleClick(piece.x, piece.y);
    ASSERT_EQ(Moving, table.State());
    table.Control().ThrowDice();
    table.Control().HandleClick(piece.x, piece.y);
    EXPECT_EQ(Moving, table.State());
    EXPECT_EQ(2, die.GetValue());
    EXPECT_TRUE(table.StepUntil(TurnEnd));
    EXPECT_EQ(anna->GetPiece(0)->GetNode(), table.Board().GetPath().GetStartNode(0)->next->next);
}

struct NextCase {
    std::vector<int> finished;  // seats whose four pieces are home
    unsigned seat;
    unsigned next;
};

class NextPlayerTest : public testing::TestWithParam<NextCase> {
  protected:
    SdlSession sdl{true};
    FakeClock clock{100000};
};

TEST_P(NextPlayerTest, TurnGoesToTheNextSeatStillPlayingAndNeverSearchesForEver) {
    GameRecord.finishers.clear();
    GameTable table({{"G", 0, 1}, {"R", 1, 1}, {"B", 2, 0}, {"Y", 3, 1}});
    for (int seat : GetParam().finished) {
        for (int k = 0; k < 4; ++k) GameTable::Walk(table.Player(seat), k, 56);
    }
    EXPECT_EQ(GetParam().next, table.Control().NextPlayer(GetParam().seat));
    EXPECT_EQ(GetParam().finished.size() == 4, table.Control().AllFinished());
}

INSTANTIATE_TEST_SUITE_P(SeatOrder, NextPlayerTest,
                         testing::Values(NextCase{{}, 0, 1}, NextCase{{}, 3, 0},
                                         NextCase{{1}, 0, 2}, NextCase{{1, 2, 3}, 0, 0},
                                         NextCase{{0, 1, 2}, 3, 3}, NextCase{{3, 0}, 2, 1},
                                         NextCase{{0, 1, 2, 3}, 2, 2},
                                         NextCase{{0, 1, 2, 3}, 0, 0}));

}  // namespace
