#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/ScreenSteps.h"
#include "screens/cGameSession.h"
#include "screens/cIntroState.h"

namespace {

using Step = std::function<void(ScreenDriver&)>;

enum class Outcome { Intro, Menu, Setup, Game, PausedGame, Results, Quit };

struct FlowRow {
    const char* name;
    Step reach;    // from the start of the program to the screen of the row
    Step trigger;  // what the person does there
    Outcome expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FlowRow& row, std::ostream* out) { *out << row.name; }

const int kTwoComputers[4] = {steps::kComputer, steps::kComputer, -1, -1};

void ToGame(ScreenDriver& d) { steps::ToGame(d, kTwoComputers); }

void ToPauseMenu(ScreenDriver& d) {
    ToGame(d);
    d.Key(SDLK_ESCAPE);
}

void PostUserEvent(ScreenDriver& d, Uint8 type, int code) {
    SDL_Event event = {};
    event.type = type;
    event.user.code = code;
    d.Post(event);
}

void ToResults(ScreenDriver& d) {
    ToGame(d);
    GameRecord.finishers = {{"Rowan", 1, 0}, {"Gale", 0, 0}};
    PostUserEvent(d, SDL_USEREVENT, 670);
}

void Press(ScreenDriver& d, std::initializer_list<SDLKey> keys) {
    for (SDLKey key : keys) d.Key(key);
}

const FlowRow kFlow[] = {
    {"IntroLastPictureEvent", steps::StartIntro,
     [](ScreenDriver& d) { PostUserEvent(d, SDL_USEREVENT, 301); }, Outcome::Menu},
    {"IntroReturnOnLastPicture", steps::StartIntro,
     [](ScreenDriver& d) {
         Press(d, {SDLK_RETURN, SDLK_RETURN});
     },
     Outcome::Menu},
    {"IntroEscape", steps::StartIntro, [](ScreenDriver& d) { d.Key(SDLK_ESCAPE); }, Outcome::Menu},
    {"MenuNewGame", steps::ToMainMenu, [](ScreenDriver& d) { d.Key(SDLK_RETURN); }, Outcome::Setup},
    {"MenuExit", steps::ToMainMenu,
     [](ScreenDriver& d) {
         Press(d, {SDLK_UP, SDLK_RETURN});
     },
     Outcome::Quit},
    {"SetupStart",
     [](ScreenDriver& d) {
         steps::ToSetup(d);
         steps::FillSeat(d, 0, "Gale", steps::kHuman);
         steps::FillSeat(d, 2, "Bryn", steps::kComputer);
     },
     steps::ClickStart, Outcome::Game},
    {"SetupEscape", steps::ToSetup, [](ScreenDriver& d) { d.Key(SDLK_ESCAPE); }, Outcome::Menu},
    {"GameEscape", ToGame, [](ScreenDriver& d) { d.Key(SDLK_ESCAPE); }, Outcome::PausedGame},
    {"GameEveryoneFinished", ToGame,
     [](ScreenDriver& d) {
         GameRecord.finishers = {{"Gale", 0, 0}, {"Rowan", 1, 0}};
         PostUserEvent(d, SDL_USEREVENT, 670);
     },
     Outcome::Results},
    {"PauseResume", ToPauseMenu,
     [](ScreenDriver& d) {
         Press(d, {SDLK_DOWN, SDLK_RETURN});
     },
     Outcome::Game},
    {"PauseAbort", ToPauseMenu, [](ScreenDriver& d) { d.Key(SDLK_RETURN); }, Outcome::Menu},
    {"PauseExit", ToPauseMenu,
     [](ScreenDriver& d) {
         Press(d, {SDLK_UP, SDLK_RETURN});
     },
     Outcome::Quit},
    {"ResultsReturn", ToResults, [](ScreenDriver& d) { d.Key(SDLK_RETURN); }, Outcome::Menu},
    {"ResultsEscape", ToResults, [](ScreenDriver& d) { d.Key(SDLK_ESCAPE); }, Outcome::Menu},
    {"ResultsButton", ToResults, [](ScreenDriver& d) { d.Click(15 + 75, 520 + 25); },
     Outcome::Menu},
};

class ScreenFlow : public testing::TestWithParam<FlowRow> {};

TEST_P(ScreenFlow, EachTriggerLeadsToItsScreen) {
    const FlowRow& row = GetParam();
    ScreenDriver driver;
    row.reach(driver);
    row.trigger(driver);
    SDL_Engine* engine = driver.Engine();
    switch (row.expected) {
        case Outcome::Quit:
            EXPECT_FALSE(engine->IsRunning());
            EXPECT_EQ(0, ExitCode);
            return;
        case Outcome::PausedGame:
            ASSERT_EQ(2u, engine->StateCount());
            EXPECT_NE(nullptr, driver.Top<InGameMenu>());
            break;
        case Outcome::Menu:
            EXPECT_NE(nullptr, driver.Top<MainMenu>());
            break;
        case Outcome::Setup:
            EXPECT_NE(nullptr, driver.Top<PlayerSetup>());
            break;
        case Outcome::Game:
            EXPECT_NE(nullptr, driver.Top<cGameSession>());
            break;
        case Outcome::Results:
            EXPECT_NE(nullptr, driver.Top<GameResults>());
            break;
        case Outcome::Intro:
            EXPECT_NE(nullptr, driver.Top<cIntroState>());
            break;
    }
    if (row.expected != Outcome::PausedGame) {
        EXPECT_EQ(1u, engine->StateCount());
    }
    EXPECT_TRUE(engine->IsRunning());
    // The new screen keeps running on its own.
    driver.Frames(25);
    EXPECT_TRUE(engine->IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Table, ScreenFlow, testing::ValuesIn(kFlow),
                         [](const testing::TestParamInfo<FlowRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
