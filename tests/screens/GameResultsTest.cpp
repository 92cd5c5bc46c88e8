#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "screens/MainMenu.h"
#include "screens/ScreenSteps.h"

namespace {

struct TimeCase {
    Uint32 playTime;
    const char* line;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TimeCase& row, std::ostream* out) { *out << row.line; }

class ResultsTime : public testing::TestWithParam<TimeCase> {};

TEST_P(ResultsTime, TimeLineShowsHoursMinutesAndWholeSeconds) {
    EXPECT_EQ(GetParam().line, GameResults::FormatTime(GetParam().playTime));
}

INSTANTIATE_TEST_SUITE_P(Times, ResultsTime,
                         testing::Values(TimeCase{3723456, "Total Time: 01:02:03"},
                                         TimeCase{999, "Total Time: 00:00:00"},
                                         TimeCase{59999, "Total Time: 00:00:59"},
                                         TimeCase{360000000, "Total Time: 100:00:00"},
                                         TimeCase{4294967295u, "Total Time: 1193:02:47"}));

const SDL_Color kBlack = {0, 0, 0, 0};
const SDL_Color kRed = {255, 50, 50, 0};
const SDL_Color kBlue = {0, 128, 255, 0};

bool HasDarkPixel(ScreenDriver& driver, int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            SDL_Color c = steps::ScreenColour(driver, x, y);
            if (c.r + c.g + c.b < 120) return true;
        }
    }
    return false;
}

class ResultsScreen : public testing::Test {
  protected:
    void SetUp() override {
        steps::ToMainMenu(driver);
        GameRecord.finishers = {{"Rowan", 1, 0}, {"Bryn", 2, 1}};
        GameRecord.playTime = 3723456;
        driver.Engine()->ChangeState(new GameResults());
        driver.Frames(1);
    }

    ScreenDriver driver;
};

// The table lies below the title, one bar per finisher, and the time line under it.
TEST_F(ResultsScreen, TableBarsAndTimeLineStandWhereTheLineSkipPutsThem) {
    FontHolder font("data/fonts/Jester.ttf", 21);
    int h = GetLineSkip(&font);
    int top = h + 20;
    int tableHeight = 2 * (h + 15) + 5;
    SDL_Rect clip;
    SDL_GetClipRect(driver.Screen(), &clip);
    EXPECT_EQ(285, clip.x);  // the first step of the opening reveal
    EXPECT_FALSE(steps::SameColour(kRed, steps::ScreenColour(driver, 590, top + 7)));
    driver.Frames(25);
    EXPECT_TRUE(GameRecord.finishers.empty());
    EXPECT_TRUE(steps::SameColour(kBlack, steps::ScreenColour(driver, 2, top)));
    EXPECT_TRUE(steps::SameColour(kBlack, steps::ScreenColour(driver, 597, top + tableHeight - 1)));
    EXPECT_TRUE(steps::SameColour(kRed, steps::ScreenColour(driver, 590, top + 5)));
    EXPECT_TRUE(steps::SameColour(kRed, steps::ScreenColour(driver, 5, top + 5 + h + 9)));
    EXPECT_TRUE(steps::SameColour(kBlack, steps::ScreenColour(driver, 590, top + 5 + h + 10)));
    EXPECT_TRUE(steps::SameColour(kBlue, steps::ScreenColour(driver, 590, top + 5 + h + 15)));
    SDL_Color below = steps::SurfaceColour(SurfaceHolder("data/gfx/Background.png").Get(), 590,
                                           top + tableHeight);
    EXPECT_TRUE(steps::SameColour(below, steps::ScreenColour(driver, 590, top + tableHeight)));
    EXPECT_TRUE(HasDarkPixel(driver, 15, h + tableHeight + 30, 150, h));  // the time line
    EXPECT_TRUE(HasDarkPixel(driver, 200, 10, 200, h));                   // the title
    EXPECT_TRUE(HasDarkPixel(driver, 15, top + 10, 20, h - 5));           // "1."
}

// A record of a colour outside the four seats gets a black bar rather than a colour read from
// beyond the table.
TEST(ResultsOfUnknownColours, GetBlackBars) {
    ScreenDriver driver;
    steps::ToMainMenu(driver);
    GameRecord.finishers = {{"Odd", 4, 0}, {"Low", -1, 0}};
    driver.Engine()->ChangeState(new GameResults());
    driver.Frames(26);
    FontHolder font("data/fonts/Jester.ttf", 21);
    const int h = GetLineSkip(&font), top = h + 20;
    EXPECT_TRUE(steps::SameColour(kBlack, steps::ScreenColour(driver, 590, top + 5)));
    EXPECT_TRUE(steps::SameColour(kBlack, steps::ScreenColour(driver, 590, top + 5 + h + 15)));
}

TEST_F(ResultsScreen, OtherKeysAndLateGameOverEventsAreIgnored) {
    SDL_Event late = {};
    late.type = SDL_USEREVENT;
    late.user.code = 670;
    driver.Post(late);
    driver.Key(SDLK_SPACE);
    driver.Key(SDLK_UP);
    EXPECT_NE(nullptr, driver.Top<GameResults>());
}

TEST(ResultsWithoutFinishers, RefuseToStartAndEndTheProgramWithCodeFour) {
    ScreenDriver driver;
    steps::ToMainMenu(driver);
    GameRecord.finishers.clear();
    driver.Engine()->ChangeState(new GameResults());
    EXPECT_EQ(4, ExitCode);
    EXPECT_FALSE(driver.Engine()->IsRunning());
    EXPECT_NE(nullptr, driver.Top<MainMenu>());
}

}  // namespace
