#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Button.h"
#include "SDL_Engine/SDL_Exception.h"
#include "support/SdlSession.h"
#include "support/TestPictures.h"

namespace {
// The button stands at (100, 50), 40 by 20; its frames are red, green and blue.
const int Left = 100, Top = 50, Width = 40, Height = 20, Code = 2;
const SDL_Color Frames[] = {Rgb(200, 0, 0), Rgb(0, 200, 0), Rgb(0, 0, 200)};
const int In = 110, Out = 300;  // an x inside and one outside; y is always Top + 5

struct Step {
    char action;  // 'm' move, 'd' press, 'u' release
    int x;
    int stateAfter;
};

struct ButtonCase {
    const char* name;
    std::vector<Step> steps;
    int clicks;
};

void PrintTo(const ButtonCase& c, std::ostream* out) { *out << c.name; }

std::vector<SDL_UserEvent> DrainClicks() {
    std::vector<SDL_UserEvent> clicks;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_USEREVENT + 1) clicks.push_back(event.user);
    }
    return clicks;
}

class ButtonTest : public testing::Test {
  protected:
    void SetUp() override {
        path = MakeFramePicture("button", Width, Height, {Frames[0], Frames[1], Frames[2]});
        button.reset(new SDL_Button(path, Left, Top, Width, Height, Code));
        DrainClicks();
    }

    void Apply(const Step& step) {
        if (step.action == 'm') button->OnMouseMove(step.x, Top + 5);
        if (step.action == 'd') button->OnMouseDown(step.x, Top + 5);
        if (step.action == 'u') button->OnMouseUp(step.x, Top + 5);
    }

    SdlSession sdl;
    std::string path;
    std::unique_ptr<SDL_Button> button;
};

class ButtonStateTable : public ButtonTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonStateTable, FollowsPointerAndPostsOnlyOnReleaseInside) {
    const ButtonCase& c = GetParam();
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        Apply(c.steps[i]);
        EXPECT_EQ(c.steps[i].stateAfter, button->GetState()) << "after step " << i;
    }
    std::vector<SDL_UserEvent> clicks = DrainClicks();
    ASSERT_EQ(static_cast<std::size_t>(c.clicks), clicks.size());
    for (const SDL_UserEvent& click : clicks) {
        EXPECT_EQ(SDL_USEREVENT + 1, click.type);
        EXPECT_EQ(Code, click.code);
        EXPECT_EQ(nullptr, click.data1);
        EXPECT_EQ(nullptr, click.data2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ButtonStateTable,
    testing::Values(
        ButtonCase{"HoverInAndOut", {{'m', In, 1}, {'m', Out, 0}}, 0},
        ButtonCase{"PressLeaveReturnRelease",
                   {{'d', In, 2}, {'m', Out, 2}, {'m', In, 2}, {'u', In, 1}},
                   1},
        ButtonCase{"PressLeaveRelease", {{'d', In, 2}, {'m', Out, 2}, {'u', Out, 0}}, 0},
        ButtonCase{"PressOutsideReleaseInside", {{'d', Out, 0}, {'m', In, 1}, {'u', In, 1}}, 1},
        ButtonCase{"PressAndReleaseOutside", {{'d', Out, 0}, {'u', Out, 0}}, 0},
        ButtonCase{"PressOutsideKeepsPressedButtonPressed", {{'d', In, 2}, {'d', Out, 2}}, 0},
        ButtonCase{"RightEdgeIsOutside", {{'m', Left + Width - 1, 1}, {'d', Left + Width, 0}}, 0},
        ButtonCase{
            "TwoClicksPostTwice", {{'d', In, 2}, {'u', In, 1}, {'d', In, 2}, {'u', In, 1}}, 2}),
    [](const testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonTest, DrawsTheFrameOfItsState) {
    SDL_Surface* screen = sdl.Screen();
    const SDL_Color background = Rgb(9, 9, 9);
    const int moves[] = {Out, In, In};
    for (int state = 0; state < 3; ++state) {
        if (state == 2) {
            button->OnMouseDown(In, Top + 5);
        } else {
            button->OnMouseMove(moves[state], Top + 5);
        }
        ASSERT_EQ(state, button->GetState());
        FillSurface(screen, background);
        button->Draw(screen);
        EXPECT_EQ(Frames[state], PixelColour(screen, Left, Top)) << "state " << state;
        EXPECT_EQ(Frames[state], PixelColour(screen, Left + Width - 1, Top + Height - 1));
        EXPECT_EQ(background, PixelColour(screen, Left + Width, Top));
        EXPECT_EQ(background, PixelColour(screen, Left, Top + Height));
    }
}

TEST_F(ButtonTest, NullScreenDrawsNothing) { button->Draw(nullptr); }

TEST(ButtonPicture, MissingPictureRaisesAndCountsNothing) {
    SdlSession sdl;
    const int before = SurfaceCount;
    EXPECT_THROW(SDL_Button("no/such/picture.png", 0, 0, 10, 10, 1), SDL_Exception);
    EXPECT_EQ(before, SurfaceCount);
}

}  // namespace
