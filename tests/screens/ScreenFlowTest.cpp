// The screen flow, one row per way from a screen to the next; each row's triggers are tried
// one by one on a fresh program.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

enum class Outcome { Menu, Setup, Game, PausedGame, Results, Quit };

struct FlowRow {
    const char* name;
    Step reach;  // from the start of the program to the screen of the row
    std::vector<Step> triggers;
    Outcome expected;
};

void PrintTo(const FlowRow& row, std::ostream* out) { *out << row.name; }

const int kTwoComputers[4] = {ScreenDriver::kComputer, ScreenDriver::kComputer,
                              ScreenDriver::kEmpty, ScreenDriver::kEmpty};

void ToGame(ScreenDriver& d) { d.ToGame(kTwoComputers); }
void ToPauseMenu(ScreenDriver& d) {
    ToGame(d);
    d.Key(SDLK_ESCAPE);
}
void ToResults(ScreenDriver& d) {
    ToGame(d);
    GameRecord.finishers = {{"Rowan", 1, 0}, {"Gale", 0, 0}};
    d.UserEvent(SDL_USEREVENT, cGameSession::kGameOverCode);
}
void ToFilledSetup(ScreenDriver& d) {
    d.ToSetup();
    d.FillSeat(0, "Gale", ScreenDriver::kHuman);
    d.FillSeat(2, "Bryn", ScreenDriver::kComputer);  // the name box keeps the keyboard
}
Step Keys(std::vector<SDLKey> keys) {
    return [keys](ScreenDriver& d) {
        for (SDLKey key : keys) d.Key(key);
    };
}

const FlowRow kFlow[] = {
    {"IntroToMainMenu",
     [](ScreenDriver& d) { d.StartIntro(); },
     {[](ScreenDriver& d) { d.UserEvent(SDL_USEREVENT, cIntroState::kIntroFinished); },
      Keys({SDLK_RETURN, SDLK_RETURN}), Keys({SDLK_ESCAPE})},
     Outcome::Menu},
    {"MainMenuNewGame",
     [](ScreenDriver& d) { d.ToMainMenu(); },
     {Keys({SDLK_RETURN})},
     Outcome::Setup},
    {"MainMenuExit",
     [](ScreenDriver& d) { d.ToMainMenu(); },
     {Keys({SDLK_UP, SDLK_RETURN})},
     Outcome::Quit},
    {"SetupStart", ToFilledSetup, {[](ScreenDriver& d) { d.ClickStart(); }}, Outcome::Game},
    {"SetupEscape", ToFilledSetup, {Keys({SDLK_ESCAPE})}, Outcome::Menu},
    {"GameEscape", ToGame, {Keys({SDLK_ESCAPE})}, Outcome::PausedGame},
    {"GameEveryoneFinished",
     ToGame,
     {[](ScreenDriver& d) {
         GameRecord.finishers = {{"Gale", 0, 0}, {"Rowan", 1, 0}};
         d.UserEvent(SDL_USEREVENT, cGameSession::kGameOverCode);
     }},
     Outcome::Results},
    {"PauseResume", ToPauseMenu, {Keys({SDLK_DOWN, SDLK_RETURN})}, Outcome::Game},
    {"PauseAbort", ToPauseMenu, {Keys({SDLK_RETURN})}, Outcome::Menu},
    {"PauseExit", ToPauseMenu, {Keys({SDLK_UP, SDLK_RETURN})}, Outcome::Quit},
    {"ResultsToMainMenu",
     ToResults,
     {Keys({SDLK_RETURN}), Keys({SDLK_ESCAPE}), [](ScreenDriver& d) { d.Click(90, 545); }},
     Outcome::Menu},
};

bool Shows(ScreenDriver& d, Outcome expected) {
    switch (expected) {
        case Outcome::Menu:
            return d.Top<MainMenu>() != nullptr;
        case Outcome::Setup:
            return d.Top<PlayerSetup>() != nullptr;
        case Outcome::Game:
            return d.Top<cGameSession>() != nullptr;
        case Outcome::PausedGame:
            return d.Top<InGameMenu>() != nullptr;
        case Outcome::Results:
            return d.Top<GameResults>() != nullptr;
        case Outcome::Quit:
            return !d.Engine()->IsRunning() && ExitCode == 0;
    }
    return false;
}

class ScreenFlow : public testing::TestWithParam<FlowRow> {};

TEST_P(ScreenFlow, EachTriggerLeadsToItsScreen) {
    for (std::size_t i = 0; i < GetParam().triggers.size(); ++i) {
        ScreenDriver driver;
        GetParam().reach(driver);
        GetParam().triggers[i](driver);
        EXPECT_TRUE(Shows(driver, GetParam().expected)) << "trigger " << i;
        if (GetParam().expected == Outcome::Quit) continue;
        EXPECT_TRUE(driver.Engine()->IsRunning()) << "trigger " << i;
        const std::size_t screens = GetParam().expected == Outcome::PausedGame ? 2 : 1;
        EXPECT_EQ(screens, driver.Engine()->StateCount()) << "trigger " << i;
        driver.Frames(25);  // the new screen keeps running on its own
        EXPECT_TRUE(Shows(driver, GetParam().expected)) << "trigger " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ScreenFlow, testing::ValuesIn(kFlow),
                         [](const testing::TestParamInfo<FlowRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
