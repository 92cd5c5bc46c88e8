// Texts drawn straight on the backdrop must stand out from what lies under them: the piece
// counters in the seat colours on the game screen, the black labels and help of the setup screen.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "game/GameConsole.h"
#include "game/GameMessages.h"
#include "screens/PlayerSetup.h"
#include "screens/ScreenSteps.h"
#include "screens/cGameSession.h"
#include "support/TestSurface.h"

namespace {

const SDL_Color kSeatColours[4] = {
    {0, 255, 64, 0}, {255, 50, 50, 0}, {0, 128, 255, 0}, {255, 255, 0, 0}};
const SDL_Color kBlack = {0, 0, 0, 0};
const SDL_Color kWhite = {255, 255, 255, 0};

// One text as drawn: where, in which font and colour.
struct Text {
    FontHolder* font;
    int x, y;
    std::string text;
};

double Channel(double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(double r, double g, double b) {
    return 0.2126 * Channel(r) + 0.7152 * Channel(g) + 0.0722 * Channel(b);
}

double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// Every pixel that any of the texts covers, drawn in white on black.
SDL_Surface* Coverage(const std::vector<Text>& texts) {
    SDL_Surface* mask = SDL_CreateRGBSurface(0, 600, 600, 32, 0xff0000, 0xff00, 0xff, 0);
    for (const Text& t : texts) DrawText(t.font, mask, kWhite, t.x, t.y, t.text);
    return mask;
}

// The mean colour of the screen's pixels in the box that the mask leaves uncovered.
std::vector<double> MeanColour(SDL_Surface* screen, SDL_Surface* mask, SDL_Rect box) {
    std::vector<double> sum(3, 0.0);
    int count = 0;
    SDL_LockSurface(screen);
    for (int y = std::max(0, int{box.y}); y < std::min(600, box.y + box.h); ++y)
        for (int x = std::max(0, int{box.x}); x < std::min(600, box.x + box.w); ++x) {
            if (mask && GetPixel(mask, x, y) != 0) continue;
            Uint8 c[3];
            SDL_GetRGB(GetPixel(screen, x, y), screen->format, &c[0], &c[1], &c[2]);
            for (int k = 0; k < 3; ++k) sum[k] += c[k];
            ++count;
        }
    SDL_UnlockSurface(screen);
    EXPECT_GT(count, box.w * box.h / 3) << "box at " << box.x << "," << box.y;
    for (double& channel : sum) channel /= std::max(count, 1);
    return sum;
}

// Contrast between the colour and the mean of the screen's pixels inside the text's box that no
// text covers: what the eye sees around and between the letters.
double ContrastUnder(SDL_Surface* screen, SDL_Surface* mask, const Text& t, SDL_Color colour) {
    SDL_Rect box = {static_cast<Sint16>(t.x), static_cast<Sint16>(t.y),
                    static_cast<Uint16>(GetTextWidth(t.font, t.text)),
                    static_cast<Uint16>(GetTextHeight(t.font, t.text))};
    std::vector<double> under = MeanColour(screen, mask, box);
    return Contrast(Luminance(colour.r, colour.g, colour.b),
                    Luminance(under[0], under[1], under[2]));
}

class CounterReadability : public testing::TestWithParam<int> {};

TEST_P(CounterReadability, EveryCountStandsOutFromTheBackdropAtTheStart) {
    const int seat = GetParam();
    ScreenDriver driver;
    const int fourComputers[4] = {steps::kComputer, steps::kComputer, steps::kComputer,
                                  steps::kComputer};
    steps::ToGame(driver, fourComputers);
    ASSERT_NE(nullptr, driver.Top<cGameSession>());
    driver.Frames(25);  // the opening reveal is over; nobody has thrown yet
    ASSERT_EQ(54, driver.Top<cGameSession>()->GetBoard().GetX());

    FontHolder font("data/fonts/Jester.ttf", 24);
    const bool right = seat == 1 || seat == 2, bottom = seat == 2 || seat == 3;
    std::vector<Text> counts;
    for (int left = 4; left >= 0; --left) {
        std::string text = std::to_string(left) + "x";
        int w = GetTextWidth(&font, text);
        counts.push_back(
            {&font, right ? 590 - w : 10, bottom ? 501 - GetLineSkip(&font) : 10, text});
    }
    TestSurface mask(Coverage(counts));
    // The screen shows "4x" where this seat's counter is measured.
    bool drawn = false;
    for (int x = counts[0].x; x < counts[0].x + GetTextWidth(&font, "4x"); ++x)
        drawn = drawn || steps::SameColour(kSeatColours[seat],
                                           steps::ScreenColour(driver, x, counts[0].y + 12));
    EXPECT_TRUE(drawn) << "no counter drawn at " << counts[0].x << "," << counts[0].y;
    for (const Text& count : counts)
        EXPECT_GE(ContrastUnder(driver.Screen(), mask.Get(), count, kSeatColours[seat]), 3.0)
            << "seat " << seat << " showing " << count.text;
}

INSTANTIATE_TEST_SUITE_P(Seats, CounterReadability, testing::Range(0, 4));

TEST(SetupReadability, BlackLabelsAndHelpStandOutFromTheTintedBackdrop) {
    ScreenDriver driver;
    steps::ToSetup(driver);
    PlayerSetup* setup = driver.Top<PlayerSetup>();
    ASSERT_NE(nullptr, setup);
    driver.Frames(25);

    FontHolder labels("data/fonts/Jester.ttf", 21), help("data/fonts/Jester.ttf", 26);
    std::vector<Text> texts;
    for (int seat = 0; seat < 4; ++seat) {
        SDL_TextBox* box = setup->GetNameBox(seat);
        texts.push_back({&labels, box->GetX(), box->GetY(), "Name: "});
        SDL_CheckBoxList* list = setup->GetControlList(seat);
        texts.push_back({&labels, list->GetX(), list->GetY(), "Human "});
        texts.push_back({&labels, list->GetX(), list->GetY() + list->GetRowHeight(), "Computer "});
    }
    const std::string helpText =
        "Please select a color for each player,\nenter their names; minimal 3 characters,\n"
        "then click on start to start playing!";
    texts.push_back({&help, (600 - GetTextWidth(&help, helpText)) / 2,
                     (600 - GetTextHeight(&help, helpText)) / 2, helpText});
    TestSurface mask(Coverage(texts));
    for (const Text& text : texts)
        EXPECT_GE(ContrastUnder(driver.Screen(), mask.Get(), text, kBlack), 4.5)
            << text.text << " at " << text.x << "," << text.y;
}

// Each corner's tint, half seat colour and half backdrop, is nearer its own seat's colour than
// any other seat's.
TEST(SetupReadability, EachCornerStillShowsItsSeatColour) {
    ScreenDriver driver;
    steps::ToSetup(driver);
    driver.Frames(25);
    for (int seat = 0; seat < 4; ++seat) {
        const bool right = seat == 1 || seat == 2, bottom = seat == 2 || seat == 3;
        SDL_Rect patch = {static_cast<Sint16>(right ? 450 : 90),
                          static_cast<Sint16>(bottom ? 430 : 110), 60, 60};
        std::vector<double> tint = MeanColour(driver.Screen(), nullptr, patch);
        int nearest = 0;
        double best = 1e9;
        for (int other = 0; other < 4; ++other) {
            const SDL_Color& c = kSeatColours[other];
            double d = std::hypot(std::hypot(tint[0] - c.r, tint[1] - c.g), tint[2] - c.b);
            if (d < best) best = d, nearest = other;
        }
        EXPECT_EQ(seat, nearest) << "corner of seat " << seat;
    }
}

// The panel ends level with the die and the throw button, and the longest notice, after the
// widest name a player can type, stays inside its rim.
TEST(PanelReadability, LongestNoticeFitsInsideThePanel) {
    ScreenDriver driver;
    SurfaceHolder panel("data/gfx/console.png");
    FontHolder font("data/fonts/Neuropol.ttf", 18);
    const int rim = 4;
    EXPECT_EQ(580, GameConsole::PanelY + panel.Get()->h);
    for (char widest : {'W', 'M', '@'}) {
        const std::string notice = std::string(15, widest) + GameMessages[MessageThreeSixes];
        EXPECT_LE(GameConsole::TextX + GetTextWidth(&font, notice),
                  GameConsole::PanelX + panel.Get()->w - rim)
            << notice;
        EXPECT_LE(GetTextHeight(&font, notice), panel.Get()->h - 2 * rim);
    }
}

}  // namespace
