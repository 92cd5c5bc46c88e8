// What each screen does with what a person gives it, beyond the pixels the frame hashes pin.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/ResourceCounters.h"
#include "game/ComputerPlayer.h"
#include "game/DataFiles.h"
#include "game/GameRecord.h"
#include "game/LudoPlayer.h"
#include "screens/FadeImage.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cGameSession.h"
#include "support/FakeClock.h"
#include "support/Pixels.h"
#include "support/ScreenDriver.h"
#include "support/SdlSession.h"

namespace {

struct FadeCase {
    Uint32 start;  // the tick count at the first update
    Uint32 stall;  // a pause of the updates after the first
};

void PrintTo(const FadeCase& c, std::ostream* out) {
    *out << "At" << c.start << "_Stall" << c.stall;
}

class SplashPicture : public testing::TestWithParam<FadeCase> {};

// Whatever the tick count at the start (including 0, past the signed range and just before the
// wrap) and whatever stall in any phase, the picture fades in 1500 ms, stays 2000 and fades out
// in 1500, never handing SetAlpha a value beyond a byte.
TEST_P(SplashPicture, FadesInHoldsAndFadesOutOnTimeAcrossWrapsAndStalls) {
    SdlSession sdl;
    FakeClock clock(GetParam().start);
    FadeImage picture(DataFiles::kLibraryCard, 1500, 2000, 1500);
    EXPECT_EQ(255, picture.Opacity());
    picture.Update();  // the fade starts on the first update
    EXPECT_EQ(255, picture.GetLevel());
    if (GetParam().stall == 0) {
        // The hold starts once the level is below 0 and the fade-out once 2000 ms have passed.
        const int kLevels[][2] = {{750, 127}, {1505, 0},  {1506, -1},   {3506, -1},   {3507, -1},
                                  {3512, -1}, {3513, -2}, {4257, -128}, {5001, -254}, {5002, -255}};
        for (const auto& at : kLevels) {
            FakeClock::Set(GetParam().start + static_cast<Uint32>(at[0]));
            picture.Update();
            EXPECT_EQ(at[1], picture.GetLevel()) << "at " << at[0] << " ms";
        }
        EXPECT_TRUE(picture.Finished());
        return;
    }
    FakeClock::Advance(GetParam().stall);
    picture.Update();
    EXPECT_EQ(std::min(255, std::abs(picture.GetLevel())), picture.Opacity());
    for (int i = 0; i < 400 && !picture.Finished(); ++i) {
        FakeClock::Advance(20);
        picture.Update();
        EXPECT_EQ(std::min(255, std::abs(picture.GetLevel())), picture.Opacity());
    }
    EXPECT_TRUE(picture.Finished());
}

INSTANTIATE_TEST_SUITE_P(Ticks, SplashPicture,
                         testing::Values(FadeCase{0, 0}, FadeCase{5000, 0},
                                         FadeCase{0x7FFFF000u, 0}, FadeCase{0xFFFFF63Cu, 0},
                                         FadeCase{1000, 1499}, FadeCase{1000, 3000},
                                         FadeCase{1000, 4000}, FadeCase{0xFFFFFF00u, 3600000}),
                         testing::PrintToStringParamName());

// Each entry of the options flips its switch; the music stays off in a later main menu. The
// menu's sounds play on every move and choice.
TEST(MainMenuOptions, EachEntryFlipsItsSwitchBackAndForth) {
    ScreenDriver driver;
    auto choose = [&](int downs, bool stay = true) {
        for (int i = 0; i < downs; ++i) driver.Key(SDLK_DOWN);
        driver.Key(SDLK_RETURN);
        for (int i = 0; stay && i < downs; ++i) driver.Key(SDLK_UP);
    };
    driver.ToMainMenu();
    SDL_PauseAudio(1);  // a still device keeps even a short sound playing until it is checked
    for (SDLKey key : {SDLK_DOWN, SDLK_RETURN}) {  // to "Options": a move ticks, a choice chimes
        Mix_HaltChannel(-1);
        driver.Key(key);
        EXPECT_EQ(1, Mix_Playing(-1)) << "after key " << key;
    }
    SDL_PauseAudio(0);
    const Uint32 windowed = driver.Engine()->GetVideoFlags();
    choose(0);
    EXPECT_EQ(windowed ^ SDL_FULLSCREEN, driver.Engine()->GetVideoFlags());
    choose(0);
    EXPECT_EQ(windowed, driver.Engine()->GetVideoFlags());
    choose(2);
    EXPECT_FALSE(SoundEnabled);
    choose(2);
    EXPECT_TRUE(SoundEnabled);
    ASSERT_TRUE(Mix_PlayingMusic());
    choose(1);
    EXPECT_FALSE(MusicEnabled);
    EXPECT_FALSE(Mix_PlayingMusic());
    choose(3, false);         // "Back"
    driver.Key(SDLK_RETURN);  // "New Game"
    driver.Key(SDLK_ESCAPE);  // back from setup to a new main menu
    ASSERT_NE(nullptr, driver.Top<MainMenu>());
    EXPECT_FALSE(Mix_PlayingMusic());
    choose(1, false);  // "Options"
    choose(1);
    EXPECT_TRUE(MusicEnabled);
    EXPECT_TRUE(Mix_PlayingMusic());
}

struct Seat {
    const char* name;  // typed even when the seat is left empty
    int control;
};

struct SetupCase {
    const char* label = nullptr;
    Seat seats[4] = {};
    std::vector<int> playing;  // the colours that play, in order; empty: Start is refused
};

void PrintTo(const SetupCase& c, std::ostream* out) { *out << c.label; }

const int kH = ScreenDriver::kHuman, kC = ScreenDriver::kComputer, kE = ScreenDriver::kEmpty;

const SetupCase kSetups[] = {
    {"ShortNameInATakenSeatBlocks", {{"Gale", kH}, {"Ro", kC}, {"", kE}, {"Yara", kC}}, {}},
    {"ShortNameInAnEmptySeatIsIgnored", {{"Gale", kH}, {"Ro", kE}, {"Bry", kC}, {"", kE}}, {0, 2}},
    {"SingleSeatCannotStart", {{"Gale", kH}, {"", kE}, {"", kE}, {"", kE}}, {}},
    {"SeatsPlayInSeatOrder", {{"", kE}, {"Rowan", kC}, {"", kE}, {"Yara", kH}}, {1, 3}},
    {"FourSeats", {{"Gale", kC}, {"Rowan", kH}, {"Bryn", kC}, {"Yara", kH}}, {0, 1, 2, 3}},
    {"TrailingBlankCounts", {{"ab ", kH}, {"cd ", kC}, {"", kE}, {"", kE}}, {0, 1}},
};

class SetupStart : public testing::TestWithParam<SetupCase> {};

TEST_P(SetupStart, BuildsOnePlayerPerTakenSeatOrNothing) {
    const SetupCase& setup = GetParam();
    ScreenDriver driver;
    driver.ToSetup();
    const PlayerSetup* screen = driver.Top<PlayerSetup>();
    for (int seat = 0; seat < 4; ++seat) {
        driver.FillSeat(seat, setup.seats[seat].name, setup.seats[seat].control);
    }
    driver.ClickStart();
    if (setup.playing.empty()) {
        EXPECT_EQ(screen, driver.Top<PlayerSetup>());
        return;
    }
    const cGameSession* game = driver.Top<cGameSession>();
    ASSERT_NE(nullptr, game);
    ASSERT_EQ(setup.playing.size(), game->GetPlayers().size());
    for (std::size_t i = 0; i < setup.playing.size(); ++i) {
        LudoPlayer* player = game->GetPlayers()[i].get();
        const Seat& seat = setup.seats[setup.playing[i]];
        EXPECT_EQ(setup.playing[i], player->GetColour());
        EXPECT_EQ(seat.name, player->GetName());
        EXPECT_EQ(seat.control == kC, dynamic_cast<ComputerPlayer*>(player) != nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Seats, SetupStart, testing::ValuesIn(kSetups),
                         testing::PrintToStringParamName());

TEST(ResultsScreen, TimeLineShowsHoursMinutesAndWholeSeconds) {
    EXPECT_EQ("Total Time: 01:02:03", GameResults::FormatTime(3723456));
    EXPECT_EQ("Total Time: 00:00:00", GameResults::FormatTime(999));
    EXPECT_EQ("Total Time: 00:59:59", GameResults::FormatTime(3599999));
    EXPECT_EQ("Total Time: 100:00:00", GameResults::FormatTime(360000000));
    EXPECT_EQ("Total Time: 1193:02:47", GameResults::FormatTime(4294967295u));
}

TEST(ResultsScreen, WithoutFinishersRefusesToStartAndEndsTheProgramWithCodeFour) {
    ScreenDriver driver;
    driver.ToMainMenu();
    GameRecord.finishers.clear();
    driver.Engine()->ChangeState(new GameResults());
    EXPECT_EQ(4, ExitCode);
    EXPECT_FALSE(driver.Engine()->IsRunning());
    EXPECT_NE(nullptr, driver.Top<MainMenu>());
}

// A still screen does not draw its frame again: a pixel put on the screen stays there until
// something on the screen changes, and then the whole frame is drawn afresh.
TEST(StillFrames, AreLeftOnTheScreenUntilSomethingChanges) {
    ScreenDriver d;
    const Uint32 kMark = 0x123456;
    auto mark = [&] {
        PutPixel(d.Screen(), 300, 300, SDL_MapRGB(d.Screen()->format, 0x12, 0x34, 0x56));
    };
    auto marked = [&] { return ColourAt(d.Screen(), 300, 300) == kMark; };
    const int seats[4] = {ScreenDriver::kHuman, ScreenDriver::kComputer, ScreenDriver::kEmpty,
                          ScreenDriver::kEmpty};
    d.ToSetup();
    d.Frames(30);
    mark();
    d.Frames(3);
    EXPECT_TRUE(marked()) << "setup";
    d.FillSeat(0, "Gale", ScreenDriver::kHuman);
    EXPECT_FALSE(marked()) << "setup after typing";
    d.ToGame(seats);
    d.Frames(100);  // the reveal and the pause before the first throw
    mark();
    d.Frames(3);
    EXPECT_TRUE(marked()) << "game waiting for a throw";
    d.Move(570, 540);
    EXPECT_FALSE(marked()) << "game with the throw button lit";
    d.Key(SDLK_ESCAPE);
    ASSERT_NE(nullptr, d.Top<InGameMenu>());
    mark();
    d.Frames(3);
    EXPECT_TRUE(marked()) << "in-game menu";
    d.Key(SDLK_DOWN);
    EXPECT_FALSE(marked()) << "in-game menu after a move";
    mark();
    d.Key(SDLK_RETURN);  // "Resume Game": the menu must go
    EXPECT_FALSE(marked()) << "game resumed";
}

}  // namespace
