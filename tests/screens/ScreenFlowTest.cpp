// The screen flow, one row per way from a screen to the next that the frame-hash scenarios do
// not take, each row's triggers tried one by one on a fresh program; and one whole program
// through its screens.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "SDL_Engine/MersenneTwister.h"
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
    const char* name;
    Step reach;  // from the start of the program to the screen of the row
    std::vector<Step> triggers;
    const std::type_info* to;  // the screen on top afterwards, or null: the program ends
};

void PrintTo(const FlowRow& row, std::ostream* out) { *out << row.name; }

const int kTwoComputers[4] = {ScreenDriver::kComputer, ScreenDriver::kComputer,
                              ScreenDriver::kEmpty, ScreenDriver::kEmpty};

void StartIntro(ScreenDriver& d) { d.StartIntro(); }
void IntroOver(ScreenDriver& d) { d.UserEvent(SDL_USEREVENT, cIntroState::kIntroFinished); }
void ToMainMenu(ScreenDriver& d) { d.ToMainMenu(); }
void ToGame(ScreenDriver& d) { d.ToGame(kTwoComputers); }
void ToPauseMenu(ScreenDriver& d) {
    ToGame(d);
    d.Key(SDLK_ESCAPE);
}
void EveryoneFinished(ScreenDriver& d) {
    GameRecord.finishers = {{"Rowan", 1, 0}, {"Gale", 0, 0}};
    d.UserEvent(SDL_USEREVENT, cGameSession::kGameOverCode);
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

// Two computers play a seeded game from the intro to the results, and the person goes back
// to the main menu and exits.
TEST(FullGame, TwoComputersPlayFromTheIntroToTheResultsAndBackToAnExit) {
    testing::internal::CaptureStdout();
    {
        ScreenDriver driver;
        SharedRandom.init_genrand(2026);
        const int seats[4] = {ScreenDriver::kComputer, ScreenDriver::kEmpty,
                              ScreenDriver::kComputer, ScreenDriver::kEmpty};
        driver.ToGame(seats);
        ASSERT_NE(nullptr, driver.Top<cGameSession>());
        const Uint32 started = FakeClock::Now();
        // Passes of 400 ms: the computers act about at their pace, the pieces walk their updates.
        ASSERT_TRUE(driver.RunUntil([&] { return driver.Top<GameResults>() != nullptr; },
                                    60u * 60u * 1000u, 400));
        EXPECT_NEAR(FakeClock::Now() - started, GameRecord.playTime, 800.0);
        EXPECT_TRUE(GameRecord.finishers.empty());  // the results screen has taken them
        driver.Frames(25);                          // the opening reveal is over

        // The README shows this screen; the window test cannot reach it quickly.
        std::filesystem::create_directories(TARVELLO_BUILD_DIR "/screenshots");
        SDL_SaveBMP(driver.Screen(), TARVELLO_BUILD_DIR "/screenshots/results.bmp");

        driver.Key(SDLK_RETURN);
        ASSERT_NE(nullptr, driver.Top<MainMenu>());
        driver.Key(SDLK_UP);
        driver.Key(SDLK_RETURN);  // "Exit"
        EXPECT_FALSE(driver.Engine()->IsRunning());
        EXPECT_EQ(0, ExitCode);
    }
    const std::string output = testing::internal::GetCapturedStdout();
    if (HasFailure()) std::cout << output;
    std::string changes;  // the engine's changes of screen
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("---SDL_Engine::", 0) == 0) changes += line.substr(15) + " ";
    }
    EXPECT_EQ(
        "PushState(11cIntroState) ChangeState(8MainMenu) ChangeState(11PlayerSetup) "
        "ChangeState(12cGameSession) ChangeState(11GameResults) ChangeState(8MainMenu) ",
        changes);
    EXPECT_NE(std::string::npos, output.find("SDL_Engine::Resource Leaked:\nSDL_Surface : 0\n"
                                             "TTF_Font    : 0\nMix_Music   : 0\n"
                                             "Mix_Chunk   : 0\n"));
}

}  // namespace
