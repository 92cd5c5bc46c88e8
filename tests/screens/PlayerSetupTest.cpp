#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "SDL_Engine/SDL_TextBox.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "game/ComputerPlayer.h"
#include "game/LudoPlayer.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/ScreenSteps.h"
#include "screens/cGameSession.h"

namespace {

const int kNone = -1;

struct Seat {
    const char* name;  // typed even when the seat is left empty
    int control;
};

struct SetupCase {
    const char* label;
    Seat seats[4];
    std::vector<int> playingColours;  // empty: Start is refused
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const SetupCase& row, std::ostream* out) { *out << row.label; }

const SetupCase kCases[] = {
    {"ShortNameInATakenSeatBlocks",
     {{"Gale", steps::kHuman}, {"Ro", steps::kComputer}, {"", kNone}, {"Yara", steps::kComputer}},
     {}},
    {"ShortNameInAnEmptySeatIsIgnored",
     {{"Gale", steps::kHuman}, {"Ro", kNone}, {"Bryn", steps::kComputer}, {"", kNone}},
     {0, 2}},
    {"SingleSeatCannotStart", {{"Gale", steps::kHuman}, {"", kNone}, {"", kNone}, {"", kNone}}, {}},
    {"NoSeatCannotStart", {{"Gale", kNone}, {"Rowan", kNone}, {"", kNone}, {"", kNone}}, {}},
    {"HumanAndComputerPlayInSeatOrder",
     {{"", kNone}, {"Rowan", steps::kComputer}, {"", kNone}, {"Yara", steps::kHuman}},
     {1, 3}},
    {"FourSeats",
     {{"Gale", steps::kComputer},
      {"Rowan", steps::kHuman},
      {"Bryn", steps::kComputer},
      {"Yara", steps::kHuman}},
     {0, 1, 2, 3}},
    {"TrailingBlankCounts",
     {{"ab ", steps::kHuman}, {"cd ", steps::kComputer}, {"", kNone}, {"", kNone}},
     {0, 1}},
};

class SetupValidation : public testing::TestWithParam<SetupCase> {};

TEST_P(SetupValidation, StartBuildsOnePlayerPerTakenSeatOrNothing) {
    const SetupCase& setup = GetParam();
    ScreenDriver driver;
    steps::ToSetup(driver);
    PlayerSetup* screen = driver.Top<PlayerSetup>();
    for (int seat = 0; seat < 4; ++seat) {
        const Seat& s = setup.seats[seat];
        if (s.control != kNone) {
            steps::FillSeat(driver, seat, s.name, s.control);
        } else if (*s.name) {
            SDL_TextBox* box = screen->GetNameBox(seat);
            driver.Click(box->GetX() + box->GetLabelWidth() + 10, box->GetY() + 5);
            driver.Type(s.name);
        }
    }
    steps::ClickStart(driver);
    if (setup.playingColours.empty()) {
        EXPECT_EQ(screen, driver.Top<PlayerSetup>());
        return;
    }
    cGameSession* game = driver.Top<cGameSession>();
    ASSERT_NE(nullptr, game);
    ASSERT_EQ(setup.playingColours.size(), game->GetPlayers().size());
    for (std::size_t i = 0; i < setup.playingColours.size(); ++i) {
        LudoPlayer* player = game->GetPlayers()[i];
        const Seat& s = setup.seats[setup.playingColours[i]];
        EXPECT_EQ(setup.playingColours[i], player->GetColour());
        EXPECT_EQ(s.name, player->GetName());
        bool computer = dynamic_cast<ComputerPlayer*>(player) != nullptr;
        EXPECT_EQ(s.control == steps::kComputer, computer);
    }
}

INSTANTIATE_TEST_SUITE_P(Seats, SetupValidation, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SetupCase>& info) {
                             return std::string(info.param.label);
                         });

TEST(PlayerSetupScreen, EscapeLeavesEvenWhileANameBoxHasTheKeyboard) {
    ScreenDriver driver;
    steps::ToSetup(driver);
    SDL_TextBox* box = driver.Top<PlayerSetup>()->GetNameBox(2);
    driver.Click(box->GetX() + box->GetLabelWidth() + 10, box->GetY() + 5);
    ASSERT_TRUE(box->HasFocus());
    driver.Key(SDLK_ESCAPE);
    EXPECT_NE(nullptr, driver.Top<MainMenu>());
}

TEST(PlayerSetupScreen, KeysGoOnlyToTheFocusedBox) {
    ScreenDriver driver;
    steps::ToSetup(driver);
    PlayerSetup* setup = driver.Top<PlayerSetup>();
    driver.Type("lost");  // no box has the keyboard yet
    SDL_TextBox* box = setup->GetNameBox(1);
    driver.Click(box->GetX() + box->GetLabelWidth() + 10, box->GetY() + 5);
    driver.Type("Rowan");
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(seat == 1 ? "Rowan" : "", setup->GetNameBox(seat)->GetText());
    }
}

// The corners are tinted half and half with the seat colours; the reveal opens from the centre.
TEST(PlayerSetupScreen, CornersAreTintedWithTheSeatColoursOnceRevealed) {
    ScreenDriver driver;
    steps::ToSetup(driver);
    SDL_Color plain = steps::SurfaceColour(SurfaceHolder("data/gfx/background.png").Get(), 300, 20);
    SDL_Rect clip;
    SDL_GetClipRect(driver.Screen(), &clip);
    EXPECT_GT(clip.x, 200);  // one step of the reveal so far
    driver.Frames(25);
    SDL_GetClipRect(driver.Screen(), &clip);
    EXPECT_EQ(0, clip.x);
    EXPECT_EQ(600, clip.w);
    const int corner[4][2] = {{30, 120}, {570, 120}, {570, 470}, {30, 470}};
    const SDL_Color seat[4] = {
        {0, 255, 64, 0}, {255, 50, 50, 0}, {0, 128, 255, 0}, {255, 255, 0, 0}};
    for (int i = 0; i < 4; ++i) {
        SDL_Color base = steps::SurfaceColour(SurfaceHolder("data/gfx/background.png").Get(),
                                              corner[i][0], corner[i][1]);
        SDL_Color tinted = {static_cast<Uint8>((base.r + seat[i].r) / 2),
                            static_cast<Uint8>((base.g + seat[i].g) / 2),
                            static_cast<Uint8>((base.b + seat[i].b) / 2), 0};
        EXPECT_TRUE(
            steps::SameColour(tinted, steps::ScreenColour(driver, corner[i][0], corner[i][1]), 2))
            << "seat " << i;
    }
    EXPECT_TRUE(steps::SameColour(plain, steps::ScreenColour(driver, 300, 20), 2));
}

}  // namespace
