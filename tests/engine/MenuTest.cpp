#include <gtest/gtest.h>

#include <string>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MenuControl.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/cMenu.h"
#include "support/SdlSession.h"
#include "support/TestPictures.h"

namespace {
const char* const FontFile = "data/fonts/Jester.ttf";

cMenu ThreeEntries() {
    cMenu list;
    list.AddItem(100, "New Game");
    list.AddItem(7, "Options");
    list.AddItem(102, "Exit");
    return list;
}

TEST(MenuControl, SelectionWrapsAtBothEnds) {
    cMenu list = ThreeEntries();
    MenuControl menu(&list);
    EXPECT_EQ(1u, menu.Next());
    EXPECT_EQ(2u, menu.Next());
    EXPECT_EQ(0u, menu.Next());
    EXPECT_EQ(2u, menu.Previous());
    EXPECT_EQ(1u, menu.Previous());
    EXPECT_EQ(0u, menu.Previous());
}

TEST(MenuControl, OneEntryAndEmptyListsKeepSelectionOnZero) {
    cMenu one;
    one.AddItem(1, "Only");
    cMenu empty;
    for (cMenu* list : {&one, &empty}) {
        MenuControl menu(list);
        EXPECT_EQ(0u, menu.Next());
        EXPECT_EQ(0u, menu.Previous());
    }
    MenuControl onEmpty(&empty);
    EXPECT_EQ(-1, onEmpty.Choose());
    EXPECT_EQ(&empty, onEmpty.GetCurrentList());
}

TEST(MenuControl, ChoosingAnEntryAnswersItsIdAndKeepsSelection) {
    cMenu list = ThreeEntries();
    MenuControl menu(&list);
    menu.Next();
    EXPECT_EQ(7, menu.Choose());
    EXPECT_EQ(1u, menu.GetSelected());
    EXPECT_EQ(&list, menu.GetCurrentList());
}

TEST(MenuControl, SubMenusSwitchBackAndForthFromTheirFirstEntry) {
    cMenu main, options;
    main.AddItem(100, "New Game");
    main.AddSubMenu("Options", &options);
    main.AddItem(102, "Exit");
    options.AddItem(105, "Toggle Fullscreen");
    options.AddSubMenu("Back", &main);
    EXPECT_EQ(0, main.At(1).GetId());
    EXPECT_EQ(&options, main.At(1).GetSubMenu());

    MenuControl menu(&main);
    menu.Next();
    EXPECT_EQ(-1, menu.Choose());
    EXPECT_EQ(&options, menu.GetCurrentList());
    EXPECT_EQ(0u, menu.GetSelected());
    EXPECT_EQ(105, menu.Choose());
    menu.Previous();
    EXPECT_EQ(-1, menu.Choose());
    EXPECT_EQ(&main, menu.GetCurrentList());
    EXPECT_EQ(0u, menu.GetSelected());
    EXPECT_EQ(100, menu.Choose());
}

TEST(MenuControl, PrintListsEntriesAndMarksTheSelectedOne) {
    cMenu list;
    list.AddItem(100, "New Game");
    list.AddItem(101, "Options");
    MenuControl menu(&list);
    menu.Next();
    testing::internal::CaptureStdout();
    menu.Print();
    EXPECT_EQ("New Game\nOptions <-\n", testing::internal::GetCapturedStdout());
}

TEST(MenuControl, NullTextMakesAnEmptyEntry) {
    cMenu list;
    list.AddItem(1, nullptr);
    list.AddSubMenu(nullptr, &list);
    EXPECT_EQ("", list.At(0).GetText());
    EXPECT_EQ("", list.At(1).GetText());
}

using MenuDeathTest = testing::Test;

TEST_F(MenuDeathTest, IndexPastTheEndStopsTheProgram) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    cMenu list = ThreeEntries();
    EXPECT_DEATH(list.At(3), "src/SDL_Engine/cMenu.*index >= 0 && index < MenuList\\.size\\(\\)");
}

class MenuPanelTest : public testing::Test {
  protected:
    void SetUp() override {
        list = ThreeEntries();
        fontsBefore = FontCount;
        menu.reset(new SDL_Menu(&list, new FontHolder(FontFile, 24), Panel, Text));
        FontHolder font(FontFile, 24);
        skip = GetLineSkip(&font);
        for (unsigned i = 0; i < list.Size(); ++i) {
            widths[i] = GetTextWidth(&font, list.At(i).GetText());
            widest = std::max(widest, widths[i]);
        }
        FillSurface(sdl.Screen(), Paper);
    }

    SDL_Color At(int x, int y) { return PixelColour(sdl.Screen(), x, y); }

    const SDL_Color Panel = Rgb(255, 255, 255), Text = Rgb(102, 154, 246);
    const SDL_Color Paper = Rgb(1, 90, 1), Shadow = Rgb(70, 70, 70);
    const SDL_Color Highlight = Rgb(235, 241, 254);
    SdlSession sdl;
    cMenu list;
    int fontsBefore = 0;
    std::unique_ptr<SDL_Menu> menu;
    int skip = 0, widest = 0, widths[3] = {0, 0, 0};
};

TEST_F(MenuPanelTest, PanelHasFrameInsideAndShadowWhereTheFontPutsThem) {
    menu->Draw(sdl.Screen());
    const int height = 3 * skip;
    const int left = (450 - widest) >> 1, top = (525 - height) >> 1;
    const int right = left + widest + 150, bottom = top + height + 75;  // exclusive
    EXPECT_EQ(Paper, At(left - 1, top));
    EXPECT_EQ(Text, At(left, top));
    EXPECT_EQ(Text, At(right - 1, top));
    EXPECT_EQ(Paper, At(right, top + 4));
    EXPECT_EQ(Shadow, At(right, top + 5));
    EXPECT_EQ(Shadow, At(right + 4, bottom + 4));
    EXPECT_EQ(Paper, At(right + 5, bottom + 4));
    EXPECT_EQ(Paper, At(right + 4, bottom + 5));
    EXPECT_EQ(Shadow, At(left + 5, bottom));
    EXPECT_EQ(Paper, At(left + 4, bottom));
    EXPECT_EQ(Text, At(left + 24, top + 25));
    EXPECT_EQ(Panel, At(left + 25, top + 25));
    EXPECT_EQ(Panel, At(right - 26, bottom - 26));
    EXPECT_EQ(Text, At(right - 25, bottom - 26));
    EXPECT_EQ(Text, At(right - 26, bottom - 25));
}

TEST_F(MenuPanelTest, SelectedEntryIsHighlightedOnItsLine) {
    menu->Next();
    menu->Draw(sdl.Screen());
    const int firstTop = (600 - 3 * skip) >> 1;
    for (int i = 0; i < 3; ++i) {
        const int x = (600 - widths[i]) >> 1, y = firstTop + i * skip;
        const SDL_Color expected = i == 1 ? Highlight : Panel;
        EXPECT_EQ(expected, At(x, y)) << "entry " << i;
        EXPECT_EQ(expected, At(x + widths[i] - 1, y)) << "entry " << i;
    }
    const int x = (600 - widths[1]) >> 1, y = firstTop + skip;
    EXPECT_EQ(Panel, At(x - 1, y));
    EXPECT_EQ(Panel, At(x + widths[1], y));
    EXPECT_EQ(Highlight, At(x, y + skip - 1));
    EXPECT_NE(Highlight, At(x, y + skip));
}

TEST_F(MenuPanelTest, NullScreenDrawsNothingAndFontIsFreedWithTheMenu) {
    menu->Draw(nullptr);
    EXPECT_EQ(fontsBefore + 1, FontCount);
    menu.reset();
    EXPECT_EQ(fontsBefore, FontCount);
}
}  // namespace
