#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "SDL_Engine/MenuItem.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/cMenu.h"
#include "screens/MainMenu.h"
#include "screens/ScreenSteps.h"

namespace {

std::string Selected(MainMenu* menu) {
    const SDL_Menu* control = menu->GetMenu();
    return control->GetCurrentList()->At(control->GetSelected()).GetText();
}

struct KeyCase {
    std::vector<SDLKey> keys;
    const char* selected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.selected; }

class MainMenuKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(MainMenuKeys, ArrowsWrapAndReturnMovesBetweenTheLists) {
    ScreenDriver driver;
    steps::ToMainMenu(driver);
    for (SDLKey key : GetParam().keys) driver.Key(key);
    MainMenu* menu = driver.Top<MainMenu>();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(GetParam().selected, Selected(menu));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MainMenuKeys,
    testing::Values(KeyCase{{}, "New Game"}, KeyCase{{SDLK_UP}, "Exit"},
                    KeyCase{{SDLK_UP, SDLK_DOWN}, "New Game"},
                    KeyCase{{SDLK_DOWN, SDLK_RETURN}, "Toggle Fullscreen"},
                    KeyCase{{SDLK_DOWN, SDLK_RETURN, SDLK_UP}, "Back"},
                    KeyCase{{SDLK_DOWN, SDLK_RETURN, SDLK_UP, SDLK_DOWN}, "Toggle Fullscreen"},
                    KeyCase{{SDLK_DOWN, SDLK_RETURN, SDLK_UP, SDLK_RETURN}, "New Game"},
                    KeyCase{{SDLK_ESCAPE, SDLK_KP_ENTER, SDLK_SPACE}, "New Game"}));

class MainMenuOptions : public testing::Test {
  protected:
    void SetUp() override {
        steps::ToMainMenu(driver);
        driver.Key(SDLK_DOWN);
        driver.Key(SDLK_RETURN);  // "Options"
    }
    void Choose(int downs) {
        for (int i = 0; i < downs; ++i) driver.Key(SDLK_DOWN);
        driver.Key(SDLK_RETURN);
        for (int i = 0; i < downs; ++i) driver.Key(SDLK_UP);
    }

    ScreenDriver driver;
};

TEST_F(MainMenuOptions, ToggleFullscreenSwitchesTheVideoModeBackAndForth) {
    Uint32 windowed = driver.Engine()->GetVideoFlags();
    Choose(0);
    EXPECT_EQ(windowed ^ SDL_FULLSCREEN, driver.Engine()->GetVideoFlags());
    Choose(0);
    EXPECT_EQ(windowed, driver.Engine()->GetVideoFlags());
    driver.Frames(5);
    EXPECT_TRUE(driver.Engine()->IsRunning());
}

TEST_F(MainMenuOptions, MusicOnOffStopsAndRestartsTheMusicAndTheSwitchOutlivesTheMenu) {
    EXPECT_TRUE(Mix_PlayingMusic());
    Choose(1);
    EXPECT_FALSE(MusicEnabled);
    EXPECT_FALSE(Mix_PlayingMusic());
    // A later visit of the menu stays silent.
    driver.Key(SDLK_DOWN);
    driver.Key(SDLK_DOWN);
    driver.Key(SDLK_DOWN);
    driver.Key(SDLK_RETURN);  // "Back"
    driver.Key(SDLK_RETURN);  // "New Game"
    driver.Key(SDLK_ESCAPE);  // back from setup to a new main menu
    ASSERT_NE(nullptr, driver.Top<MainMenu>());
    EXPECT_FALSE(Mix_PlayingMusic());
    driver.Key(SDLK_DOWN);
    driver.Key(SDLK_RETURN);  // "Options"
    Choose(1);
    EXPECT_TRUE(MusicEnabled);
    EXPECT_TRUE(Mix_PlayingMusic());
}

TEST_F(MainMenuOptions, SoundOnOffFlipsTheSoundSwitch) {
    Choose(2);
    EXPECT_FALSE(SoundEnabled);
    Choose(2);
    EXPECT_TRUE(SoundEnabled);
}

struct EarlyLeave {
    const char* name;
    void (*reach)(ScreenDriver&);
};

void PrintTo(const EarlyLeave& row, std::ostream* out) { *out << row.name; }

void MenuFromSetup(ScreenDriver& d) {
    steps::ToSetup(d);
    d.Key(SDLK_ESCAPE);  // one frame into the setup screen's reveal
}

void PauseAtGameStart(ScreenDriver& d) {
    const int seats[4] = {steps::kComputer, steps::kComputer, -1, -1};
    steps::ToGame(d, seats);
    d.Key(SDLK_ESCAPE);
}

class MenuAfterEarlyLeave : public testing::TestWithParam<EarlyLeave> {};

// A menu reached while the last screen was still opening is drawn on the whole window.
TEST_P(MenuAfterEarlyLeave, IsNotClippedByTheUnfinishedReveal) {
    ScreenDriver driver;
    GetParam().reach(driver);
    driver.Frames(3);
    SDL_Rect clip;
    SDL_GetClipRect(driver.Screen(), &clip);
    EXPECT_EQ(0, clip.x);
    EXPECT_EQ(0, clip.y);
    EXPECT_EQ(600, clip.w);
    EXPECT_EQ(600, clip.h);
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuAfterEarlyLeave,
                         testing::Values(EarlyLeave{"MainMenu", MenuFromSetup},
                                         EarlyLeave{"InGameMenu", PauseAtGameStart}),
                         [](const testing::TestParamInfo<EarlyLeave>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
