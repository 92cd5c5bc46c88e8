#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_CheckBox.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/Text.h"
#include "support/SdlSession.h"
#include "support/TestPictures.h"

namespace {
const char* const FontFile = "data/fonts/Jester.ttf";
const SDL_Color Unticked = Rgb(250, 0, 0), Ticked = Rgb(0, 250, 0), Paper = Rgb(7, 7, 7);
const int ListX = 10, ListY = 43, Box = 24;

TEST(CheckBox, PressInsideFlipsAndDrawsMatchingFrame) {
    SdlSession sdl;
    const std::string path = MakeFramePicture("box", Box, Box, {Unticked, Ticked});
    SDL_CheckBox box(path, 50, 60, Box, Box);
    EXPECT_FALSE(box.OnMouseDown(50 + Box, 60));
    EXPECT_FALSE(box.IsChecked());

    SDL_Surface* screen = sdl.Screen();
    const SDL_Color expected[] = {Ticked, Unticked};
    for (const SDL_Color& frame : expected) {
        EXPECT_TRUE(box.OnMouseDown(50 + Box - 1, 60 + Box - 1));
        FillSurface(screen, Paper);
        box.Draw(screen);
        EXPECT_EQ(frame, PixelColour(screen, 50, 60));
        EXPECT_EQ(frame, PixelColour(screen, 50 + Box - 1, 60 + Box - 1));
        EXPECT_EQ(Paper, PixelColour(screen, 50 + Box, 60));
    }
}

class CheckBoxListTest : public testing::Test {
  protected:
    void SetUp() override {
        path = MakeFramePicture("ok", Box, Box, {Unticked, Ticked});
        surfacesBefore = SurfaceCount;
        fontsBefore = FontCount;
        list.reset(new SDL_CheckBoxList(FontFile, path, 21, ListX, ListY, Box, Box));
        list->AddItem("Human ", 1);
        list->AddItem("Computer ", 0);
        FontHolder font(FontFile, 21);
        boxX = ListX + GetTextWidth(&font, "Computer ") + 5;
        rowHeight = std::max(Box, GetLineSkip(&font));
    }

    // A click in the middle of row i's box.
    void ClickBox(int i) { list->OnMouseDown(boxX + Box / 2, ListY + i * rowHeight + Box / 2); }

    SdlSession sdl;
    std::string path;
    int surfacesBefore = 0, fontsBefore = 0;
    std::unique_ptr<SDL_CheckBoxList> list;
    int boxX = 0, rowHeight = 0;
};

TEST_F(CheckBoxListTest, BoxesLineUpFivePixelsRightOfWidestLabel) {
    EXPECT_EQ(rowHeight, list->GetRowHeight());
    for (int i = 0; i < 2; ++i) {
        ASSERT_NE(nullptr, list->GetBox(i));
        EXPECT_EQ(boxX, list->GetBox(i)->GetX()) << "row " << i;
        EXPECT_EQ(ListY + i * rowHeight, list->GetBox(i)->GetY()) << "row " << i;
    }
    EXPECT_EQ(nullptr, list->GetBox(2));
}

TEST_F(CheckBoxListTest, LayoutFollowsAWiderLabelAddedLater) {
    list->AddItem("A much wider label ", 5);
    FontHolder font(FontFile, 21);
    const int wider = ListX + GetTextWidth(&font, "A much wider label ") + 5;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(wider, list->GetBox(i)->GetX());
}

TEST_F(CheckBoxListTest, OnlyOneEntryIsCheckedAtATime) {
    EXPECT_EQ(-1, list->GetSelected());
    ClickBox(0);
    EXPECT_EQ(1, list->GetSelected());
    ClickBox(1);
    EXPECT_EQ(0, list->GetSelected());
    EXPECT_FALSE(list->GetBox(0)->IsChecked());
    ClickBox(1);
    EXPECT_EQ(-1, list->GetSelected());
    EXPECT_FALSE(list->GetBox(0)->IsChecked());
}

TEST_F(CheckBoxListTest, ClicksBesideTheBoxesChangeNothing) {
    ClickBox(1);
    list->OnMouseDown(boxX - 1, ListY + rowHeight + 2);  // between label and box
    list->OnMouseDown(boxX + Box, ListY + 2);            // right of the first box
    list->OnMouseDown(ListX + 2, ListY + 2);             // on the first label
    EXPECT_EQ(0, list->GetSelected());
}

TEST_F(CheckBoxListTest, DrawsEachBoxOnItsRowWithItsFrame) {
    ClickBox(1);
    SDL_Surface* screen = sdl.Screen();
    FillSurface(screen, Paper);
    list->Draw(screen);
    EXPECT_EQ(Unticked, PixelColour(screen, boxX, ListY));
    EXPECT_EQ(Ticked, PixelColour(screen, boxX, ListY + rowHeight));
    EXPECT_EQ(Ticked, PixelColour(screen, boxX + Box - 1, ListY + rowHeight + Box - 1));
    list->Draw(nullptr);
}

TEST_F(CheckBoxListTest, DeletingListFreesSharedPictureAndFontOnce) {
    EXPECT_EQ(surfacesBefore + 1, SurfaceCount);
    EXPECT_EQ(fontsBefore + 1, FontCount);
    list.reset();
    EXPECT_EQ(surfacesBefore, SurfaceCount);
    EXPECT_EQ(fontsBefore, FontCount);
}

// Rows are as tall as the box or the font's line skip, whichever is taller; labels stand at
// the top of their rows.
TEST(CheckBoxListRows, RowHeightIsTheTallerOfBoxAndLineSkip) {
    SdlSession sdl;
    FontHolder font(FontFile, 21);
    const int skip = GetLineSkip(&font);
    ASSERT_GT(skip, 10);
    for (int boxHeight : {10, 80}) {
        const std::string path = MakeFramePicture("rows", 10, boxHeight, {Unticked, Ticked});
        SDL_CheckBoxList list(FontFile, path, 21, 0, 0, 10, boxHeight);
        const int row = std::max(skip, boxHeight);
        EXPECT_EQ(row, list.GetRowHeight());
        list.AddItem("x", 1);
        list.AddItem("y", 2);
        EXPECT_EQ(row, list.GetBox(1)->GetY());
        SDL_Surface* screen = sdl.Screen();
        SDL_Surface* expected = CreateSurface(600, 600, 0);
        FillSurface(screen, Paper);
        FillSurface(expected, Paper);
        list.Draw(screen);
        list.GetBox(0)->Draw(expected);
        list.GetBox(1)->Draw(expected);
        DrawText(&font, expected, Rgb(0, 0, 0), 0, 0, "x");
        DrawText(&font, expected, Rgb(0, 0, 0), 0, row, "y");
        int differing = 0;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 60; ++x)
                differing += PixelColour(screen, x, y) != PixelColour(expected, x, y);
        }
        SDL_FreeSurface(expected);
        EXPECT_EQ(0, differing) << "box " << boxHeight;
    }
}

TEST(CheckBoxListRows, MissingFontRaisesAndLeavesNothingBehind) {
    SdlSession sdl;
    const std::string path = MakeFramePicture("nofont", 10, 10, {Unticked, Ticked});
    const int surfaces = SurfaceCount, fonts = FontCount;
    EXPECT_THROW(SDL_CheckBoxList("no/such/font.ttf", path, 21, 0, 0, 10, 10), SDL_Exception);
    EXPECT_EQ(surfaces, SurfaceCount);
    EXPECT_EQ(fonts, FontCount);
}
}  // namespace
