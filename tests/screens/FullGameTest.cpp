#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/Text.h"
#include "game/GameRecord.h"
#include "game/LudoPlayer.h"
#include "screens/GameResults.h"
#include "screens/MainMenu.h"
#include "screens/ScreenSteps.h"
#include "screens/cGameSession.h"

namespace {

const int kTwoComputers[4] = {steps::kComputer, -1, steps::kComputer, -1};
const SDL_Color kColours[4] = {
    {0, 255, 64, 0}, {255, 50, 50, 0}, {0, 128, 255, 0}, {255, 255, 0, 0}};

std::vector<std::string> EngineLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("---SDL_Engine::", 0) == 0) lines.push_back(line);
    }
    return lines;
}

// Plays the game, noting the colours in the order in which the players finish.
std::vector<int> PlayNotingFinishers(ScreenDriver& driver) {
    std::vector<int> order;
    auto note = [&] {
        cGameSession* game = driver.Top<cGameSession>();
        if (!game) return driver.Top<GameResults>() != nullptr;
        for (LudoPlayer* player : game->GetPlayers()) {
            bool known = false;
            for (int colour : order) known = known || colour == player->GetColour();
            if (player->HasFinished() && !known) order.push_back(player->GetColour());
        }
        return false;
    };
    // Steps of 400 ms: the computers act about at their pace, the pieces walk their updates.
    EXPECT_TRUE(driver.RunUntil(note, 60u * 60u * 1000u, 400));
    return order;
}

TEST(FullGame, TwoComputersPlayFromStartToTheResultsAndBackToAnExit) {
    testing::internal::CaptureStdout();
    {
        ScreenDriver driver;
        SharedRandom.init_genrand(2026);
        steps::ToGame(driver, kTwoComputers);
        ASSERT_NE(nullptr, driver.Top<cGameSession>());
        Uint32 started = FakeClock::Now();
        std::vector<int> order = PlayNotingFinishers(driver);
        ASSERT_EQ(2u, order.size());
        EXPECT_NEAR(FakeClock::Now() - started, GameRecord.playTime, 800.0);
        EXPECT_EQ(0u, GameRecord.finishers.size());  // the results screen has taken them
        driver.Frames(25);                           // the opening reveal is over

        FontHolder font("data/fonts/Jester.ttf", 21);
        int h = GetLineSkip(&font);
        for (int i = 0; i < 2; ++i) {
            SDL_Color bar = steps::ScreenColour(driver, 590, h + 20 + 5 + i * (h + 15) + 2);
            EXPECT_TRUE(steps::SameColour(kColours[order[i]], bar)) << "place " << i + 1;
        }
        // The README shows this screen; the window test cannot reach it quickly.
        std::filesystem::create_directories(TARVELLO_BUILD_DIR "/screenshots");
        SDL_SaveBMP(driver.Screen(), TARVELLO_BUILD_DIR "/screenshots/results.bmp");
        EXPECT_EQ("Total Time: ", GameResults::FormatTime(GameRecord.playTime).substr(0, 12));

        driver.Key(SDLK_RETURN);
        ASSERT_NE(nullptr, driver.Top<MainMenu>());
        driver.Key(SDLK_UP);
        driver.Key(SDLK_RETURN);  // "Exit"
        EXPECT_FALSE(driver.Engine()->IsRunning());
        EXPECT_EQ(0, ExitCode);
    }
    std::string output = testing::internal::GetCapturedStdout();
    std::vector<std::string> expected = {
        "---SDL_Engine::PushState(11cIntroState)",   "---SDL_Engine::ChangeState(8MainMenu)",
        "---SDL_Engine::ChangeState(11PlayerSetup)", "---SDL_Engine::ChangeState(12cGameSession)",
        "---SDL_Engine::ChangeState(11GameResults)", "---SDL_Engine::ChangeState(8MainMenu)"};
    EXPECT_EQ(expected, EngineLines(output));
    EXPECT_NE(std::string::npos, output.find("SDL_Engine::Resource Leaked:\n"
                                             "SDL_Surface : 0\n"
                                             "TTF_Font    : 0\n"
                                             "Mix_Music   : 0\n"
                                             "Mix_Chunk   : 0\n"));
}

}  // namespace
