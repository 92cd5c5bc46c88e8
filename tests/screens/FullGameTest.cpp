// One whole program through its screens: two computers play a seeded game from the intro to
// the results, and the person goes back to the main menu and exits.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/Text.h"
#include "game/GameRecord.h"
#include "game/LudoPlayer.h"
#include "screens/GameResults.h"
#include "screens/MainMenu.h"
#include "screens/cGameSession.h"
#include "support/ScreenDriver.h"

namespace {

const Uint32 kSeatColours[4] = {0x00ff40, 0xff3232, 0x0080ff, 0xffff00};

std::vector<std::string> EngineLines(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("---SDL_Engine::", 0) == 0) lines.push_back(line);
    }
    return lines;
}

Uint32 ScreenRgb(SDL_Surface* screen, int x, int y) {
    Uint8 r, g, b;
    SDL_LockSurface(screen);
    SDL_GetRGB(GetPixel(screen, x, y), screen->format, &r, &g, &b);
    SDL_UnlockSurface(screen);
    return Uint32(r) << 16 | Uint32(g) << 8 | b;
}

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
        // The colours in the order in which the players finish. Passes of 400 ms: the computers
        // act about at their pace, the pieces walk their updates.
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
        ASSERT_TRUE(driver.RunUntil(note, 60u * 60u * 1000u, 400));
        ASSERT_EQ(2u, order.size());
        EXPECT_NEAR(FakeClock::Now() - started, GameRecord.playTime, 800.0);
        EXPECT_TRUE(GameRecord.finishers.empty());  // the results screen has taken them
        driver.Frames(25);                          // the opening reveal is over

        // One bar per finisher in its colour, in the finishing order.
        FontHolder font("data/fonts/Jester.ttf", 21);
        const int h = GetLineSkip(&font);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(kSeatColours[order[i]],
                      ScreenRgb(driver.Screen(), 590, h + 20 + 5 + i * (h + 15) + 2))
                << "place " << i + 1;
        }
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
    const std::vector<std::string> expected = {
        "---SDL_Engine::PushState(11cIntroState)",   "---SDL_Engine::ChangeState(8MainMenu)",
        "---SDL_Engine::ChangeState(11PlayerSetup)", "---SDL_Engine::ChangeState(12cGameSession)",
        "---SDL_Engine::ChangeState(11GameResults)", "---SDL_Engine::ChangeState(8MainMenu)"};
    EXPECT_EQ(expected, EngineLines(output));
    EXPECT_NE(std::string::npos, output.find("SDL_Engine::Resource Leaked:\nSDL_Surface : 0\n"
                                             "TTF_Font    : 0\nMix_Music   : 0\n"
                                             "Mix_Chunk   : 0\n"));
}

}  // namespace
