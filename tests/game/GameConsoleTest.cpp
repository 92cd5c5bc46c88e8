#include <gtest/gtest.h>

#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "game/GameConsole.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {

class GameConsoleTest : public testing::Test {
  protected:
    SdlSession sdl;
    FakeClock clock{10000};
    GameConsole console;
};

struct Step {
    Uint32 tick;        // the update runs at this tick
    const char* shown;  // what the panel shows after it
};

// A of 100 ms and B of 0 ms queued together over the standing text "stand".
TEST_F(GameConsoleTest, NoticesAreTimedOneAfterAnotherFromTheUpdateThatShowsThem) {
    console.SetText("stand");
    console.AddMessage({"A", 0, 100});
    console.AddMessage({"B", 0, 0});
    EXPECT_EQ("A", console.GetCurrentText());
    const std::vector<Step> steps = {
        {10000, "A"},  // A starts
        {10100, "A"},  // start + duration is not yet passed
        {10101, "B"},  // A goes; B waits for its first update
        {10120, "B"},  // B starts
        {10120, "B"},  // a zero duration still needs the clock to move
        {10121, "stand"}, {10140, "stand"},
    };
    for (const Step& step : steps) {
        FakeClock::Set(step.tick);
        console.Update();
        EXPECT_EQ(step.shown, console.GetCurrentText()) << "at " << step.tick;
    }
    EXPECT_FALSE(console.HasMessages());
}

TEST_F(GameConsoleTest, NoticeShownBeforeTheTickCounterWrapsLeavesOnTime) {
    console.AddMessage({"late", 0, 500});
    FakeClock::Set(0xFFFFFFFFu - 99);
    console.Update();
    FakeClock::Set(0xFFFFFFFFu - 79);
    console.Update();
    EXPECT_EQ("late", console.GetCurrentText());
    FakeClock::Set(400);  // 500 ms after it started
    console.Update();
    EXPECT_EQ("late", console.GetCurrentText());
    FakeClock::Set(401);
    console.Update();
    EXPECT_FALSE(console.HasMessages());
}

TEST_F(GameConsoleTest, ClearDropsTheShowingNoticeAndTheStandingText) {
    console.SetText("prompt");
    console.AddMessage({"notice", 0, 1000});
    console.AddMessage({"later", 0, 1000});
    console.Update();
    ASSERT_EQ("notice", console.GetCurrentText());
    console.Clear();
    EXPECT_FALSE(console.HasMessages());
    EXPECT_EQ("", console.GetCurrentText());
    console.SetText("again");
    EXPECT_EQ("again", console.GetCurrentText());
}

// The text pixels: everything that differs from the panel picture drawn alone.
struct Box {
    int left = 10000, top = 10000, right = -1, bottom = -1, count = 0;
};

Box TextBox(SDL_Surface* screen, GameConsole& console) {
    SDL_Surface* bare = SDL_CreateRGBSurface(0, 600, 600, 32, 0, 0, 0, 0);
    SDL_FillRect(bare, nullptr, 0);
    SurfaceHolder("data/gfx/console.png").DrawOn(bare, 20, 520);
    SDL_FillRect(screen, nullptr, 0);
    console.Draw(screen);
    Box box;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 600; ++x) {
            Uint8 r1, g1, b1, r2, g2, b2;
            SDL_GetRGB(GetPixel(screen, x, y), screen->format, &r1, &g1, &b1);
            SDL_GetRGB(GetPixel(bare, x, y), bare->format, &r2, &g2, &b2);
            if (r1 == r2 && g1 == g2 && b1 == b2) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
            ++box.count;
        }
    }
    SDL_FreeSurface(bare);
    return box;
}

TEST_F(GameConsoleTest, EmptyTextDrawsOnlyThePanel) {
    EXPECT_EQ(0, TextBox(sdl.Screen(), console).count);
}

TEST_F(GameConsoleTest, TwoLineTextIsCentredAsABlockOnThePanelFromX30) {
    SurfaceHolder panel("data/gfx/console.png");
    FontHolder font("data/fonts/Neuropol.ttf", 18);
    const int skip = TTF_FontLineSkip(font.Get());
    const int expectedTop = 520 + (panel.Get()->h - 2 * skip) / 2;
    const std::string text = "Anna,\nplease throw your dice!";
    EXPECT_EQ(expectedTop, console.GetTextTop(text));

    console.SetText(text);
    const Box box = TextBox(sdl.Screen(), console);
    ASSERT_GT(box.count, 0);
    EXPECT_GE(box.left, 30);
    EXPECT_LE(box.left, 34);
    EXPECT_GE(box.top, expectedTop);
    EXPECT_LT(box.bottom, expectedTop + 2 * skip);
    EXPECT_GE(box.bottom, expectedTop + skip);  // the second line is there
}

TEST_F(GameConsoleTest, TextTallerThanThePanelRoundsItsOffsetDown) {
    SurfaceHolder panel("data/gfx/console.png");
    FontHolder font("data/fonts/Neuropol.ttf", 18);
    const int skip = TTF_FontLineSkip(font.Get());
    for (int lines = 1; lines <= 8; ++lines) {
        std::string text = "x";
        for (int i = 1; i < lines; ++i) text += "\nx";
        const int spare = panel.Get()->h - lines * skip;
        const int top = console.GetTextTop(text);
        // The offset is the largest whole number not above half the spare height.
        EXPECT_LE(2 * (top - 520), spare) << lines << " lines";
        EXPECT_GT(2 * (top - 520) + 2, spare) << lines << " lines";
    }
}

}  // namespace
