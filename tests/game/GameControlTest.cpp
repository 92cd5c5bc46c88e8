#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "game/DataFiles.h"
#include "game/GameMessages.h"
#include "game/GameRecord.h"
#include "support/FakeClock.h"
#include "support/GameTable.h"
#include "support/SdlSession.h"

namespace {

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

    // The current player throws value once asked to, and the die stops.
    void Throw(int value) {
        ASSERT_TRUE(table->StepUntil(WaitThrow));
        table->Control().GetDice().FixValue(value);
        table->Control().ThrowDice();
        ASSERT_EQ(Rolling, table->State());
        for (int i = 0; i < 110 && table->State() == Rolling; ++i) table->Step();
        ASSERT_NE(Rolling, table->State());
    }

    SdlSession sdl{true};
    FakeClock clock{100000};
    std::unique_ptr<GameTable> table;
};

// A press on a piece that cannot go is answered with a notice that stays through its 500th ms
// from the update that shows it.
TEST_F(GameControlTest, RefusedPieceIsNoticedForHalfASecond) {
    Seat(AnnaAndBert);
    GameTable::Walk(table->Player(0), 0, 0);
    Throw(4);
    ASSERT_EQ(WaitSelect, table->State());
    table->Step();  // the throw's own empty notice goes
    // Piece 2 is still in the yard, where a four cannot bring it out.
    const SDL_Rect at = GameTable::SquareOf(table->Player(0), 2);
    table->Control().HandleClick(at.x, at.y + 15);
    const std::string notice = std::string("Anna") + GameMessages[MessageInvalidMove];
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
    table->Step();
    table->Step();
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

// The panel's text is centred on it, half a pixel higher where it cannot be exact, also when it is
// taller than the panel.
TEST_F(GameControlTest, ConsoleTextSitsCentredOnThePanelEvenWhenTaller) {
    GameConsole console;
    FontHolder font(DataFiles::kPanelFont, 18);
    const int panel = SurfaceHolder(DataFiles::kConsole).Get()->h;
    std::string text = "Gale";
    for (; GetTextHeight(&font, text) < panel + 2 * GetLineSkip(&font); text += "\nGale") {
        const double rest = panel - GetTextHeight(&font, text);
        EXPECT_EQ(GameConsole::PanelY + static_cast<int>(std::floor(rest / 2)),
                  console.GetTextTop(text))
            << rest;
    }
}
}  // namespace
