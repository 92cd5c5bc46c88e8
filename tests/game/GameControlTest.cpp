#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SDL_Engine/MersenneTwister.h"
#include "game/GameMessages.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/PathNode.h"
#include "support/FakeClock.h"
#include "support/GameTable.h"
#include "support/SdlSession.h"

namespace {

using Strings = std::vector<std::string>;

const std::vector<PlayerInfo> AnnaAndBert = {{"Anna", 0, 1}, {"Bert", 1, 1}};

// Whole turns through the referee as the session drives it; the clock is far from 0 as it is
// in a real session.
class GameControlTest : public testing::Test {
  protected:
    void SetUp() override {
        GameTable::TakeGameOverEvents();
        GameRecord.finishers.clear();
    }

    void Seat(const std::vector<PlayerInfo>& seats) { table.reset(new GameTable(seats)); }

    // The current player throws value once asked to, and the die stops; forget: what the panel
    // showed before is dropped.
    void Throw(int value, bool forget = false) {
        ASSERT_TRUE(table->StepUntil(WaitThrow));
        table->Control().GetDice().FixValue(value);
        table->Control().ThrowDice();
        ASSERT_EQ(Rolling, table->State());
        if (forget) table->Shown().clear();
        for (int i = 0; i < 110 && table->State() == Rolling; ++i) table->Step();
        ASSERT_NE(Rolling, table->State());
    }

    void Press(unsigned seat, int k) {
        const SDL_Rect at = GameTable::SquareOf(table->Player(seat), k);
        table->Control().HandleClick(at.x, at.y + 15);
    }

    void Steps(int count) {
        for (int i = 0; i < count; ++i) table->Step();
    }

    std::string Said(unsigned seat, int message) {
        return table->Player(seat)->GetName() + GameMessages[message];
    }

    SdlSession sdl{true};
    FakeClock clock{100000};
    std::unique_ptr<GameTable> table;
};

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
    Seat(AnnaAndBert);
    c.setup(table->Player(0));
    Throw(c.value, true);
    EXPECT_EQ(c.state, table->State());
    EXPECT_EQ(c.passes ? 1u : 0u, table->Control().GetNextPlayer());
    Steps(90);  // the notice, and Bert's turn if it passes
    Strings expected;
    unsigned seat = 0;
    for (int message : c.said) {
        if (message < 0) {
            seat = 1;
        } else {
            expected.push_back(Said(seat, message));
        }
    }
    EXPECT_EQ(expected, table->Shown());
    // A turn with a move to make passes only after the move.
    EXPECT_EQ(c.passes && c.state == TurnEnd ? 1u : 0u, table->Control().GetCurrentPlayer());
}

const auto Nothing = [](LudoPlayer*) {};
const auto OneOnStart = [](LudoPlayer* p) { GameTable::Walk(p, 0, 0); };
const auto OneFinished = [](LudoPlayer* p) { GameTable::Walk(p, 0, 56); };
const auto OneThreeBeforeHome = [](LudoPlayer* p) { GameTable::Walk(p, 0, 53); };
const auto AllOutNoneCanMove = [](LudoPlayer* p) {
    for (int k = 0; k < 4; ++k) GameTable::Walk(p, k, 51 + k);  // a six overshoots for each
};

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
    ThrowCase{"OvershootOnly", OneThreeBeforeHome, 5, TurnEnd, NoMovesThenBert, true},
    ThrowCase{"SixWithNoneInTheYardAndNoMove", AllOutNoneCanMove, 6, TurnEnd, NoMovesThenBert,
              true}),
    [](const testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.name); });
// clang-format on

// A press on a piece that cannot go is answered with a notice that stays through its 500th ms
// from the update that shows it.
TEST_F(GameControlTest, RefusedPieceIsNoticedForHalfASecond) {
    Seat(AnnaAndBert);
    GameTable::Walk(table->Player(0), 0, 0);
    Throw(4);
    ASSERT_EQ(WaitSelect, table->State());
    Steps(1);     // the throw's own empty notice goes
    Press(0, 2);  // still in the yard, where a four cannot bring it out
    const std::string notice = Said(0, MessageInvalidMove);
    int ms = 0;
    for (; ms < 2000 && table->Console().GetCurrentText() == notice; ++ms) table->Step(1);
    EXPECT_EQ(1 + 501, ms) << "its time starts on the first update, 1 ms after the press";
}

TEST_F(GameControlTest, LonePlayerTakesEveryTurnAndThenGameOverIsPostedOnEveryUpdate) {
    SharedRandom.init_genrand(2024);
    Seat({{"Solo", 2, 0}});
    for (int steps = 0; GameTable::TakeGameOverEvents() == 0; ++steps) {
        ASSERT_LT(steps, 200000);
        ASSERT_EQ(0u, table->Control().GetCurrentPlayer());
        table->Step();
    }
    EXPECT_TRUE(table->Player(0)->HasFinished() && !table->Console().HasMessages());
    Steps(2);
    EXPECT_EQ(2, GameTable::TakeGameOverEvents());
}

TEST_F(GameControlTest, WithoutPlayersTheGameIsOverAtOnceAndNothingBreaks) {
    PlayerList nobody;
    GameConsole console;
    GameControl control(&nobody, &console);
    control.ThrowDice();
    control.HandleClick(100, 100);
    control.Draw(sdl.Screen());
    control.Update();
    EXPECT_EQ(1, GameTable::TakeGameOverEvents());
    EXPECT_TRUE(control.AllFinished());
    EXPECT_EQ(0u, control.NextPlayer(0));
}

}  // namespace
