#include <gtest/gtest.h>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "game/Dice.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {

class DiceTest : public testing::Test {
  protected:
    SdlSession sdl{true};
    FakeClock clock{50000};
};

TEST_F(DiceTest, ThrowIsFinalAtOnceAndRollsFor2060Ms) {
    Dice die;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SharedRandom.init_genrand(seed);
        FakeClock::Set(50000 + seed * 10000);
        die.Roll();
        const int value = die.GetValue();
        EXPECT_GE(value, 1);
        EXPECT_LE(value, 6);
        FakeClock::Advance(2060);
        EXPECT_TRUE(die.IsRolling());
        EXPECT_EQ(value, die.GetValue());
        FakeClock::Advance(1);
        EXPECT_FALSE(die.IsRolling());
        EXPECT_EQ(value, die.GetValue());
    }
}

TEST_F(DiceTest, NewDieRollsDuringFirst2060MsOfTheTickCounterAndThenShowsOne) {
    FakeClock::Set(0);
    Dice die;
    EXPECT_EQ(1, die.GetValue());
    EXPECT_TRUE(die.IsRolling());
    FakeClock::Set(2060);
    EXPECT_TRUE(die.IsRolling());
    FakeClock::Set(2061);
    EXPECT_FALSE(die.IsRolling());
    EXPECT_EQ(1, die.GetValue());
}

TEST_F(DiceTest, ThrowsNearTheTickCounterWrappingStopOnTime) {
    Dice die;
    FakeClock::Set(0xFFFFFFFFu - 1000);
    die.Roll();
    FakeClock::Set(1059);  // 2060 ms after the throw, past the wrap
    EXPECT_TRUE(die.IsRolling());
    FakeClock::Set(1060);
    EXPECT_FALSE(die.IsRolling());
    // A throw from long before the wrap must not start rolling again after it.
    FakeClock::Set(0xFFFF0000u);
    die.Roll();
    FakeClock::Set(20);
    EXPECT_FALSE(die.IsRolling());
}

class DiceFaceTest : public DiceTest, public testing::WithParamInterface<int> {};

// The shown block must equal the strip's column for the face, pixel for pixel.
TEST_P(DiceFaceTest, StoppedDieShowsItsFaceFromTheStrip) {
    const int face = GetParam();
    Dice die;
    die.FixValue(face);
    die.Roll();
    FakeClock::Advance(Dice::RollTime + 1);
    SDL_Surface* screen = sdl.Screen();
    SDL_FillRect(screen, nullptr, 0);
    die.Draw(screen);
    die.Draw(nullptr);

    SurfaceHolder strip("data/gfx/MyDice.png");
    SDL_Surface* expected = SDL_CreateRGBSurface(0, 360, 60, 32, 0, 0, 0, 0);
    SDL_FillRect(expected, nullptr, 0);
    strip.DrawOn(expected, 0, 0);
    int differing = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            Uint8 r1, g1, b1, r2, g2, b2;
            SDL_GetRGB(GetPixel(screen, 500 + x, 520 + y), screen->format, &r1, &g1, &b1);
            SDL_GetRGB(GetPixel(expected, 60 * (face - 1) + x, y), expected->format, &r2, &g2, &b2);
            differing += r1 != r2 || g1 != g2 || b1 != b2;
        }
    }
    EXPECT_EQ(0, differing);
    EXPECT_EQ(0u, GetPixel(screen, 499, 519));
    EXPECT_EQ(0u, GetPixel(screen, 560, 580));
    SDL_FreeSurface(expected);
}

INSTANTIATE_TEST_SUITE_P(EveryFace, DiceFaceTest, testing::Range(1, 7));

}  // namespace
