// The screen flow, one row per way from a screen to the next that the frame-hash scenarios do
// not take, each row's triggers tried one by one on a fresh program.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "game/Commands.h"
#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cGameSession.h"
#include "screens/cIntroState.h"
#include "support/ScreenDriver.h"

namespace {

using Step = std::function<void(ScreenDriver&)>;

struct FlowRow {
    const char* name = nullptr;
    Step reach;  // from the start of the program to the screen of the row
    std::vector<Step> triggers;
    const std::type_info* to = nullptr;  // the screen on top afterwards, or null: the program ends
};

void PrintTo(const FlowRow& row, std::ostream* out) { *out << row.name; }

const int kTwoComputers[4] = {ScreenDriver::kComputer, ScreenDriver::kComputer,
                              ScreenDriver::kEmpty, ScreenDriver::kEmpty};

void StartIntro(ScreenDriver& d) { d.StartIntro(); }
void IntroOver(ScreenDriver& d) { d.UserEvent(kSignalEvent, kIntroFinishedCode); }
void ToMainMenu(ScreenDriver& d) { d.ToMainMenu(); }
void ToGame(ScreenDriver& d) { d.ToGame(kTwoComputers); }
void ToPauseMenu(ScreenDriver& d) {
    ToGame(d);
    d.Key(SDLK_ESCAPE);
}
void EveryoneFinished(ScreenDriver& d) {
    GameRecord.finishers = {{"Rowan", 1, 0}, {"Gale", 0, 0}};
    d.UserEvent(kSignalEvent, kGameOverCode);
}
void ToResults(ScreenDriver& d) {
    ToGame(d);
    EveryoneFinished(d);
}
void ToFilledSetup(ScreenDriver& d) {
    d.ToSetup();
    d.FillSeat(0, "Gale", ScreenDriver::kHuman);
    d.FillSeat(2, "Bryn", ScreenDriver::kComputer);  // the name box keeps the keyboard
}
Step Keys(const std::vector<SDLKey>& keys) {
    return [keys](ScreenDriver& d) {
        for (SDLKey key : keys) d.Key(key);
    };
}

const FlowRow kFlow[] = {
    {"IntroToMainMenu",
     StartIntro,
     {IntroOver, Keys({SDLK_RETURN, SDLK_RETURN}), Keys({SDLK_ESCAPE})},
     &typeid(MainMenu)},
    {"MainMenuExit", ToMainMenu, {Keys({SDLK_UP, SDLK_RETURN})}, nullptr},
    {"SetupEscape", ToFilledSetup, {Keys({SDLK_ESCAPE})}, &typeid(MainMenu)},
    {"PauseAbort", ToPauseMenu, {Keys({SDLK_RETURN})}, &typeid(MainMenu)},
    {"PauseExit", ToPauseMenu, {Keys({SDLK_UP, SDLK_RETURN})}, nullptr},
    {"ResultsToMainMenu",
     ToResults,
     {Keys({SDLK_RETURN}), Keys({SDLK_ESCAPE}), [](ScreenDriver& d) { d.Click(90, 545); }},
     &typeid(MainMenu)},
};

bool Shows(const ScreenDriver& d, const std::type_info* to) {
    if (!to) return !d.Engine()->IsRunning() && ExitCode == 0;
    const SDL_GameState* top = d.Engine()->TopState();
    return d.Engine()->IsRunning() && top && typeid(*top) == *to;
}

class ScreenFlow : public testing::TestWithParam<FlowRow> {};

TEST_P(ScreenFlow, EachTriggerLeadsToItsScreen) {
    const FlowRow& row = GetParam();
    for (std::size_t i = 0; i < row.triggers.size(); ++i) {
        ScreenDriver driver;
        row.reach(driver);
        row.triggers[i](driver);
        EXPECT_TRUE(Shows(driver, row.to)) << "trigger " << i;
        if (!row.to) continue;
        // The new screen is alone on the stack and runs on by itself.
        EXPECT_EQ(1u, driver.Engine()->StateCount());
        driver.Frames(25);
        EXPECT_TRUE(Shows(driver, row.to)) << "trigger " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ScreenFlow, testing::ValuesIn(kFlow),
                         testing::PrintToStringParamName());

}  // namespace
