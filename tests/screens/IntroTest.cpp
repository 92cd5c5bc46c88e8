#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "SDL_Engine/SurfaceHolder.h"
#include "screens/FadeImage.h"
#include "screens/MainMenu.h"
#include "screens/ScreenSteps.h"
#include "screens/cIntroState.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {

// Runs one picture's update every step ms until it finishes; returns the time it took.
Uint32 RunToEnd(FadeImage& picture, Uint32 step) {
    Uint32 start = FakeClock::Now();
    while (!picture.Finished() && FakeClock::Now() - start < 60000) {
        FakeClock::Advance(step);
        picture.Update();
        EXPECT_GE(picture.GetLevel(), -255 - 255 * 60);
    }
    return FakeClock::Now() - start;
}

}  // namespace

class FadeImageStart : public testing::TestWithParam<Uint32> {};

// The tick count the fade starts at, including 0, ticks past the signed 32-bit range and a tick
// counter that wraps round during the picture, must not change the course of the fade.
TEST_P(FadeImageStart, ComesUpStaysAndGoesInAboutFiveSeconds) {
    SdlSession sdl;
    FakeClock clock(GetParam());
    FadeImage picture("data/SDL.jpg", 1500, 2000, 1500);
    EXPECT_EQ(255, picture.Opacity());
    picture.Update();  // the fade starts on the first update
    EXPECT_EQ(255, picture.GetLevel());
    FakeClock::Advance(750);
    picture.Update();
    EXPECT_EQ(127, picture.GetLevel());
    Uint32 total = RunToEnd(picture, 20) + 750;
    EXPECT_NEAR(5000, total, 60);
}

INSTANTIATE_TEST_SUITE_P(Ticks, FadeImageStart,
                         testing::Values(0u, 5000u, 0x7FFFF000u, 0xFFFFF63Cu));

TEST(FadeImage, TwoStepsInOneMillisecondAtTheEndOfTheHoldStillFadeOut) {
    SdlSession sdl;
    FakeClock clock(100);
    FadeImage picture("data/SDL.jpg", 100, 100, 100);
    picture.Update();
    FakeClock::Advance(101);
    picture.Update();  // fade-in over: the hold begins
    ASSERT_LT(picture.GetLevel(), 0);
    FakeClock::Advance(101);
    picture.Update();  // the hold ends; the fade-out starts at this millisecond
    picture.Update();  // same millisecond: level 0, still fading out
    EXPECT_EQ(0, picture.GetLevel());
    FakeClock::Advance(50);
    picture.Update();
    EXPECT_EQ(-128, picture.GetLevel());
}

class FadeImageStall : public testing::TestWithParam<Uint32> {};

// A stall in the middle of any phase must never hand SetAlpha a value outside 0..255.
TEST_P(FadeImageStall, OpacityStaysWithinAByteAfterALongStall) {
    SdlSession sdl;
    FakeClock clock(1000);
    FadeImage picture("data/SDL.jpg", 1500, 2000, 1500);
    picture.Update();
    FakeClock::Advance(GetParam());
    picture.Update();
    EXPECT_GE(picture.Opacity(), 0);
    EXPECT_LE(picture.Opacity(), 255);
    EXPECT_EQ(std::min(255, std::abs(picture.GetLevel())), picture.Opacity());
    RunToEnd(picture, 20);
    EXPECT_TRUE(picture.Finished());
}

INSTANTIATE_TEST_SUITE_P(Stalls, FadeImageStall,
                         testing::Values(1499u, 1501u, 3000u, 4000u, 60000u, 3600000u));

TEST(IntroScreen, WithoutInputTheMainMenuFollowsAfterAboutTenSeconds) {
    ScreenDriver driver;
    steps::StartIntro(driver);
    driver.Frames(90, 100);  // passes of a tenth of a second: five updates, one draw
    EXPECT_NE(nullptr, driver.Top<cIntroState>());
    ASSERT_TRUE(driver.RunUntil([&] { return driver.Top<MainMenu>() != nullptr; }, 2000));
}

TEST(IntroScreen, ReturnSkipsOnePictureAndThenTheIntro) {
    ScreenDriver driver;
    steps::StartIntro(driver);
    driver.Frames(50);
    driver.Key(SDLK_RETURN);
    cIntroState* intro = driver.Top<cIntroState>();
    ASSERT_NE(nullptr, intro);
    ASSERT_EQ(1u, intro->PicturesLeft());
    EXPECT_EQ(255, intro->Showing()->GetLevel());  // the second picture starts from black
    driver.Frames(1);
    EXPECT_GT(intro->Showing()->GetLevel(), 240);
    driver.Key(SDLK_RETURN);
    EXPECT_NE(nullptr, driver.Top<MainMenu>());
}

TEST(IntroScreen, EscapeGoesStraightToTheMainMenuWithNoEventFollowing) {
    ScreenDriver driver;
    steps::StartIntro(driver);
    driver.Key(SDLK_ESCAPE);
    ASSERT_NE(nullptr, driver.Top<MainMenu>());
    driver.Frames(12, 1000);
    EXPECT_NE(nullptr, driver.Top<MainMenu>());
    EXPECT_TRUE(driver.Engine()->IsRunning());
}

TEST(IntroScreen, OpensOnBlackAndShowsThePictureOnceFadedIn) {
    ScreenDriver driver;
    steps::StartIntro(driver);
    SDL_Color picture = steps::SurfaceColour(SurfaceHolder("data/Velkor.jpg").Get(), 300, 300);
    EXPECT_TRUE(steps::SameColour(SDL_Color{0, 0, 0, 0}, steps::ScreenColour(driver, 300, 300), 2));
    driver.Frames(80);  // 1.6 s: the cover is nearly transparent
    EXPECT_TRUE(steps::SameColour(picture, steps::ScreenColour(driver, 300, 300), 4));
    SDL_Color half = {static_cast<Uint8>(picture.r / 2), static_cast<Uint8>(picture.g / 2),
                      static_cast<Uint8>(picture.b / 2), 0};
    driver.Frames(100 + 37);  // halfway through the fade-out
    EXPECT_TRUE(steps::SameColour(half, steps::ScreenColour(driver, 300, 300), 12));
}

TEST(IntroScreen, OtherKeysAndOtherEventCodesDoNothing) {
    ScreenDriver driver;
    steps::StartIntro(driver);
    driver.Key(SDLK_SPACE);
    driver.Key(SDLK_UP);
    SDL_Event other = {};
    other.type = SDL_USEREVENT;
    other.user.code = 302;
    driver.Post(other);
    cIntroState* intro = driver.Top<cIntroState>();
    ASSERT_NE(nullptr, intro);
    EXPECT_EQ(2u, intro->PicturesLeft());
}
