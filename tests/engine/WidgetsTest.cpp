#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MenuControl.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Button.h"
#include "SDL_Engine/SDL_CheckBox.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/TextCache.h"
#include "SDL_Engine/WidgetList.h"
#include "SDL_Engine/cMenu.h"
#include "support/SdlSession.h"
#include "support/TestPictures.h"
#include "support/TestSurface.h"

namespace {
const char* const FontFile = "data/fonts/Jester.ttf";
const SDL_Color Black = {0, 0, 0, 0};

SDL_keysym Key(int sym, int mod = KMOD_NONE) {
    SDL_keysym key = {};
    key.sym = static_cast<SDLKey>(sym);
    key.mod = static_cast<SDLMod>(mod);
    return key;
}

cMenu ThreeEntries() {
    cMenu list;
    list.AddItem(100, "New Game");
    list.AddItem(7, "Options");
    list.AddItem(102, "Exit");
    return list;
}

class Widgets : public testing::Test {
  public:
    // Frames side by side, frame i filled with colours[i]: a button's or a check box's picture.
    std::string Frames(int w, int h, std::vector<SDL_Color> colours) {
        return MakeFramePicture("frames" + std::to_string(pictures++), w, h, colours);
    }
    void Paper() { FillSurface(screen, Rgb(1, 90, 1)); }

    SdlSession sdl;
    SDL_Surface* screen = sdl.Screen();
    int pictures = 0;
};

// Each scene draws widgets onto the whole screen the way the game's screens do; the recorded
// hash pins every pixel: layout, colours, text positions and clipping. After an intended change,
// re-record: run `tarvello_tests --gtest_filter='*WidgetFrameHash*'` from the build folder and copy
// the printed hash into the scene's line. The pixels are classic SDL's.
struct WidgetScene {
    const char* name;
    std::function<void(Widgets&)> draw;
    Uint32 recorded;
};

class WidgetFrameHash : public Widgets, public testing::WithParamInterface<WidgetScene> {};

TEST_P(WidgetFrameHash, DrawsTheRecordedScreen) {
    Paper();
    GetParam().draw(*this);
    const Uint32 drawn = PixelHash(screen);
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", unsigned(drawn));
    EXPECT_EQ(GetParam().recorded, drawn) << GetParam().name << " now hashes to " << hex;
}

void MenuScene(Widgets& w) {
    cMenu main = ThreeEntries(), options;
    main.AddSubMenu("Options and more", &options);
    options.AddItem(105, "Toggle Fullscreen");
    SDL_Menu menu(&main, new FontHolder(FontFile, 24), Rgb(255, 255, 255), Rgb(102, 154, 246));
    menu.Next();
    menu.Draw(w.screen);
    menu.Previous();
    menu.Previous();
    menu.Choose();  // into the options: one entry, smaller panel drawn over the first
    menu.Draw(w.screen);
}

void CheckBoxScene(Widgets& w) {
    // Rows as tall as the box or the line skip, whichever is taller; labels at their tops.
    const int heights[] = {10, 80};
    for (int i = 0; i < 2; ++i) {
        const int box = heights[i];
        SDL_CheckBoxList list(FontFile, w.Frames(12, box, {Rgb(250, 0, 0), Rgb(0, 250, 0)}), 21,
                              10 + 300 * i, 40, 12, box);
        list.AddItem("Human ", 1);
        list.AddItem("Computer ", 0);
        list.AddItem("", 2);
        list.OnMouseDown(list.GetBox(1)->GetX() + 1, list.GetBox(1)->GetY() + 1);
        list.Draw(w.screen);
    }
}

void TextBoxScene(Widgets& w) {
    const char* texts[] = {"", "iv", "Yarrow", "wwwwwwwwwwwwwww"};
    for (int i = 0; i < 4; ++i) {
        SDL_TextBox box("Name: ", FontFile, 21, 15, 20 + 7 * i, 30 + 120 * i);
        box.OnMouseDown(box.GetX() + box.GetLabelWidth() + 1, box.GetY());
        for (const char* c = texts[i]; *c; ++c) box.OnKeyDown(Key(*c, *c == 'Y' ? KMOD_LSHIFT : 0));
        box.Draw(w.screen);
        const SDL_Rect& clip = w.screen->clip_rect;
        EXPECT_TRUE(clip.x == 0 && clip.y == 0 && clip.w == 600 && clip.h == 600)
            << "unclipped after";
    }
}

void TextScene(Widgets& w) {
    FontHolder font(FontFile, 21);
    DrawText(&font, w.screen, Black, 10, 20, "ab\n\nabcd\n");
    DrawText(&font, w.screen, Rgb(230, 30, 20), 300, -5, "Human");
    DrawText(nullptr, w.screen, Black, 0, 0, "a");
    TextCache cache;
    cache.Draw(&font, w.screen, Rgb(20, 40, 230), 40, 300, "Human \n\nComputer ");
}

void ButtonScene(Widgets& w) {
    SDL_Button button(w.Frames(40, 20, {Rgb(200, 0, 0), Rgb(0, 200, 0), Rgb(0, 0, 200)}), 100, 50,
                      40, 20, 2);
    button.Draw(w.screen);
    button.SetY(80);
    button.OnMouseMove(110, 85);
    button.Draw(w.screen);
    button.SetY(110);
    button.OnMouseDown(110, 115);
    button.Draw(w.screen);
    button.Draw(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Scenes, WidgetFrameHash,
                         testing::Values(WidgetScene{"Menu", MenuScene, 0x59EBE5BE},
                                         WidgetScene{"CheckBoxList", CheckBoxScene, 0xADC9C20D},
                                         WidgetScene{"TextBox", TextBoxScene, 0xE0C2E8FF},
                                         WidgetScene{"Text", TextScene, 0x11EA790E},
                                         WidgetScene{"Button", ButtonScene, 0x469DF015}),
                         [](const testing::TestParamInfo<WidgetScene>& info) {
                             return info.param.name;
                         });

// Lines split at line feeds stack one line skip apart, an empty line keeping its place; the
// widest line gives the width. The cache draws what DrawText draws, frame after frame.
TEST_F(Widgets, TextLinesStackOneLineSkipApartAndTheCacheDrawsTheSame) {
    FontHolder font(FontFile, 21);
    const int skip = GetLineSkip(&font);
    EXPECT_EQ(3 * skip, GetTextHeight(&font, "ab\n\nabcd"));
    EXPECT_EQ(GetTextWidth(&font, "abcd"), GetTextWidth(&font, "ab\n\nabcd"));
    EXPECT_LT(GetTextWidth(&font, "ab"), GetTextWidth(&font, "abcd"));
    EXPECT_EQ(0,
              GetLineSkip(nullptr) + GetTextHeight(nullptr, "a\nb") + GetTextWidth(nullptr, "a"));
    TestSurface expected(CreateFilledSurface(200, 200, 255, 255, 255));
    DrawText(&font, expected.Get(), Black, 10, 20, "ab");
    DrawText(&font, expected.Get(), Black, 10, 20 + 2 * skip, "abcd");
    TextCache cache;
    for (int frame = 0; frame < 3; ++frame) {
        TestSurface drawn(CreateFilledSurface(200, 200, 255, 255, 255)),
            cached(CreateFilledSurface(200, 200, 255, 255, 255));
        DrawText(&font, drawn.Get(), Black, 10, 20, "ab\n\nabcd");
        cache.Draw(&font, cached.Get(), Black, 10, 20, "ab\n\nabcd");
        EXPECT_EQ(PixelHash(expected.Get()), PixelHash(drawn.Get()));
        EXPECT_EQ(PixelHash(expected.Get()), PixelHash(cached.Get())) << "frame " << frame;
    }
}

TEST_F(Widgets, TextCacheKeepsOnePictureALineAndFreesThemAll) {
    FontHolder font(FontFile, 21);
    const int surfaces = SurfaceCount;
    {
        TextCache cache;
        for (int frame = 0; frame < 5; ++frame) cache.Draw(&font, screen, Black, 0, 0, "4x\n3x");
        EXPECT_EQ(surfaces + 2, SurfaceCount);
        cache.Draw(&font, screen, Rgb(0, 0, 1), 0, 0, "4x");  // another colour, another picture
        EXPECT_EQ(surfaces + 3, SurfaceCount);
        // Ever new words (a name being typed) do not pile up without end.
        for (int n = 0; n < 500; ++n) cache.Draw(&font, screen, Black, 0, 0, std::to_string(n));
        EXPECT_LE(SurfaceCount, surfaces + 64);
    }
    EXPECT_EQ(surfaces, SurfaceCount);
}

// Steps: 'm' move, 'd' press, 'u' release at x (inside 110, outside 300), each followed by the
// state it leaves (0 normal, 1 hovered, 2 pressed); then the clicks posted.
TEST_F(Widgets, ButtonFollowsThePointerAndPostsItsCodeOnlyOnAReleaseInside) {
    struct Step {
        char action;
        int x, stateAfter;
    };
    const std::vector<std::pair<std::vector<Step>, unsigned>> sequences = {
        {{{'m', 110, 1}, {'m', 300, 0}}, 0},
        {{{'d', 110, 2}, {'m', 300, 2}, {'m', 110, 2}, {'u', 110, 1}}, 1},
        {{{'d', 110, 2}, {'m', 300, 2}, {'u', 300, 0}}, 0},
        {{{'d', 300, 0}, {'m', 110, 1}, {'u', 110, 1}}, 1},
        {{{'d', 110, 2}, {'d', 300, 2}}, 0},
        {{{'m', 139, 1}, {'d', 140, 0}, {'m', 99, 0}, {'m', 100, 1}}, 0},
        {{{'d', 110, 2}, {'u', 110, 1}, {'d', 110, 2}, {'u', 110, 1}}, 2}};
    const std::string path = Frames(40, 20, {Rgb(1, 0, 0), Rgb(2, 0, 0), Rgb(3, 0, 0)});
    for (std::size_t s = 0; s < sequences.size(); ++s) {
        SDL_Button button(path, 100, 50, 40, 20, 2);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        for (const Step& step : sequences[s].first) {
            if (step.action == 'm') button.OnMouseMove(step.x, 55);
            if (step.action == 'd') button.OnMouseDown(step.x, 55);
            if (step.action == 'u') button.OnMouseUp(step.x, 55);
            EXPECT_EQ(step.stateAfter, button.GetState()) << "sequence " << s;
        }
        unsigned clicks = 0;
        while (SDL_PollEvent(&event)) {
            ASSERT_EQ(SDL_USEREVENT + 1, event.type);
            EXPECT_EQ(2, event.user.code);
            EXPECT_EQ(nullptr, event.user.data1);
            EXPECT_EQ(nullptr, event.user.data2);
            ++clicks;
        }
        EXPECT_EQ(sequences[s].second, clicks) << "sequence " << s;
    }
}

TEST_F(Widgets, TextBoxTypesUsKeyboardCharactersUpToItsLengthWhileItHasFocus) {
    SDL_TextBox box("Name: ", FontFile, 21, 500, 10, 10),
        other("Name: ", FontFile, 21, 15, 375, 562);
    const int left = 10 + box.GetLabelWidth();
    FontHolder font(FontFile, 21);
    EXPECT_EQ(GetTextWidth(&font, "Name: "), box.GetLabelWidth());
    EXPECT_EQ(GetLineSkip(&font) + 2, box.GetHeight());
    box.OnKeyDown(Key(SDLK_a));  // no focus yet
    const int misses[][2] = {{left - 1, 12},
                             {left + SDL_TextBox::BoxWidth, 12},
                             {left, 9},
                             {left, 10 + box.GetHeight()}};
    for (const auto& miss : misses) {
        box.OnMouseDown(left, 10);
        EXPECT_TRUE(box.HasFocus());
        EXPECT_FALSE(box.OnMouseDown(miss[0], miss[1])) << miss[0] << ", " << miss[1];
        EXPECT_FALSE(box.HasFocus());
    }
    box.OnMouseDown(left + SDL_TextBox::BoxWidth - 1, 10 + box.GetHeight() - 1);
    // Caps lock shifts letters only; keys that type nothing add nothing.
    const std::string keys = " ',-./0123456789;=[\\]`abcdefghijklmnopqrstuvwxyz";
    for (int mod : {0, int(KMOD_LSHIFT), int(KMOD_CAPS), KMOD_RSHIFT | KMOD_CAPS | KMOD_CTRL}) {
        for (char c : keys) box.OnKeyDown(Key(c, mod));
        for (int silent :
             {SDLK_RETURN, SDLK_TAB, SDLK_DELETE, SDLK_KP5, SDLK_UP, SDLK_F1, SDLK_WORLD_5}) {
            box.OnKeyDown(Key(silent, mod));
        }
    }
    const std::string shifted = " \"<_>?)!@#$%^&*(:+{|}~ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EXPECT_EQ(keys + shifted + " ',-./0123456789;=[\\]`ABCDEFGHIJKLMNOPQRSTUVWXYZ" + shifted,
              box.GetText());
    other.OnMouseDown(375 + other.GetLabelWidth(), 562);
    for (char c : std::string("abcdefghijklmnopq")) other.OnKeyDown(Key(c));
    EXPECT_EQ("abcdefghijklmno", other.GetText());
    other.OnKeyDown(Key(SDLK_BACKSPACE));
    other.OnKeyDown(Key(SDLK_z));
    EXPECT_EQ("abcdefghijklmnz", other.GetText());
    other.SetMaxLength(3);  // a shorter maximum keeps the text and still allows backspace
    other.OnKeyDown(Key(SDLK_g));
    for (int i = 0; i < 14; ++i) other.OnKeyDown(Key(SDLK_BACKSPACE));
    other.OnKeyDown(Key(SDLK_BACKSPACE));  // on empty text
    other.OnKeyDown(Key(SDLK_x));
    EXPECT_EQ("x", other.GetText());
}

TEST_F(Widgets, CheckBoxListKeepsOneEntryCheckedAndLinesBoxesUpRightOfTheWidestLabel) {
    FontHolder font(FontFile, 21);
    const int surfaces = SurfaceCount, fonts = FontCount;
    auto list = std::make_unique<SDL_CheckBoxList>(
        FontFile, Frames(24, 24, {Rgb(1, 0, 0), Rgb(2, 0, 0)}), 21, 10, 43, 24, 24);
    list->AddItem("Human ", 1);
    list->AddItem("Computer ", 0);
    EXPECT_EQ(surfaces + 1, SurfaceCount);
    EXPECT_EQ(fonts + 1, FontCount);
    const int boxX = 10 + GetTextWidth(&font, "Computer ") + 5, row = list->GetRowHeight();
    EXPECT_EQ(std::max(24, GetLineSkip(&font)), row);
    EXPECT_EQ(boxX, list->GetBox(0)->GetX());
    EXPECT_EQ(43 + row, list->GetBox(1)->GetY());
    EXPECT_EQ(nullptr, list->GetBox(2));
    auto click = [&](int i) { return list->OnMouseDown(boxX + 12, 43 + i * row + 12); };
    EXPECT_EQ(-1, list->GetSelected());
    EXPECT_TRUE(click(0));
    EXPECT_EQ(1, list->GetSelected());
    EXPECT_TRUE(click(1));
    EXPECT_EQ(0, list->GetSelected());
    EXPECT_FALSE(list->GetBox(0)->IsChecked());
    EXPECT_FALSE(list->OnMouseDown(boxX - 1, 43 + row + 2));  // between label and box
    EXPECT_FALSE(list->OnMouseDown(boxX + 24, 45));           // right of the first box
    EXPECT_EQ(0, list->GetSelected());
    click(1);
    EXPECT_EQ(-1, list->GetSelected());
    list->AddItem("A much wider label ", 5);  // the layout follows
    EXPECT_EQ(10 + GetTextWidth(&font, "A much wider label ") + 5, list->GetBox(0)->GetX());
    list->Draw(nullptr);
    list.reset();
    EXPECT_EQ(surfaces, SurfaceCount);
    EXPECT_EQ(fonts, FontCount);
}

TEST_F(Widgets, MissingFilesRaiseAndLeaveNothingBehind) {
    const std::string box = Frames(10, 10, {Rgb(1, 0, 0), Rgb(2, 0, 0)});
    const int surfaces = SurfaceCount, fonts = FontCount;
    EXPECT_THROW(SDL_CheckBoxList("no/such/font.ttf", box, 21, 0, 0, 10, 10), SDL_Exception);
    EXPECT_THROW(SDL_TextBox("Name: ", "no/such/font.ttf", 21, 15, 0, 0), SDL_Exception);
    EXPECT_THROW(SDL_Button("no/such/picture.png", 0, 0, 10, 10, 1), SDL_Exception);
    EXPECT_EQ(surfaces, SurfaceCount);
    EXPECT_EQ(fonts, FontCount);
    {
        SDL_TextBox made("Name: ", FontFile, 21, 15, 0, 0);
        EXPECT_EQ(surfaces + 1, SurfaceCount);
        EXPECT_EQ(fonts + 1, FontCount);
    }
    EXPECT_EQ(surfaces, SurfaceCount);
    EXPECT_EQ(fonts, FontCount);
}

TEST(MenuControl, SelectionWrapsChoosesAndSwitchesToSubMenusAtTheirFirstEntry) {
    cMenu main = ThreeEntries(), options, empty;
    main.AddSubMenu("More", &options);
    options.AddItem(105, "Toggle Fullscreen");
    options.AddSubMenu(nullptr, &main);
    EXPECT_EQ("", options.At(1).GetText());
    EXPECT_EQ(0, main.At(3).GetId());
    MenuControl menu(&main);
    const unsigned walk[] = {1, 2, 3, 0, 3, 2};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(walk[i], i < 4 ? menu.Next() : menu.Previous());
    EXPECT_EQ(102, menu.Choose());
    EXPECT_EQ(2u, menu.GetSelected());
    menu.Next();
    EXPECT_EQ(-1, menu.Choose());
    EXPECT_EQ(&options, menu.GetCurrentList());
    EXPECT_EQ(0u, menu.GetSelected());
    EXPECT_EQ(105, menu.Choose());
    testing::internal::CaptureStdout();
    menu.Print();
    EXPECT_EQ("Toggle Fullscreen <-\n\n", testing::internal::GetCapturedStdout());
    menu.Previous();
    EXPECT_EQ(-1, menu.Choose());
    EXPECT_EQ(&main, menu.GetCurrentList());
    EXPECT_EQ(100, menu.Choose());
    MenuControl onEmpty(&empty);
    EXPECT_EQ(0u, onEmpty.Next() + onEmpty.Previous());
    EXPECT_EQ(-1, onEmpty.Choose());
}

TEST(MenuDeathTest, IndexPastTheEndStopsTheProgram) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    cMenu list = ThreeEntries();
    EXPECT_DEATH(list.At(3), "src/SDL_Engine/cMenu.*index >= 0 && index < MenuList\\.size\\(\\)");
}

TEST_F(Widgets, MenuFreesItsFontAndDrawsNothingWithoutAScreen) {
    cMenu list = ThreeEntries();
    const int fonts = FontCount;
    {
        SDL_Menu menu(&list, new FontHolder(FontFile, 24), Rgb(1, 1, 1), Rgb(2, 2, 2));
        EXPECT_EQ(fonts + 1, FontCount);
        menu.Draw(nullptr);
    }
    EXPECT_EQ(fonts, FontCount);
}

// A widget that writes what happens to it into a shared log.
class LoggingWidget : public SDL_Widget {
  public:
    LoggingWidget(std::vector<std::string>* log, const std::string& name, int x, int y)
        : SDL_Widget(static_cast<SurfaceHolder*>(nullptr), x, y, 50, 50), log(log), name(name) {}
    ~LoggingWidget() override { log->push_back(name + " deleted"); }
    bool OnMouseDown(int x, int y) override {
        log->push_back(name + (OnMouseMove(x, y) ? " pressed" : " missed"));
        return false;
    }
    void OnMouseUp(int, int) override { log->push_back(name + " released"); }
    void Draw(SDL_Surface*) override { log->push_back(name + " drawn"); }

  private:
    std::vector<std::string>* log;  // borrowed from the test
    std::string name;
};

// Hits take the left and top edges but not the right and bottom ones.
TEST_F(Widgets, ListPassesEveryPressToEveryWidgetInOrderAndDeletesThem) {
    std::vector<std::string> log;
    {
        WidgetList list;
        list.Add(new LoggingWidget(&log, "first", 0, 0));
        list.Add(nullptr);
        list.Add(new LoggingWidget(&log, "second", 25, 25));
        list.MouseDown(25, 25);
        list.MouseDown(74, 75);
        list.MouseDown(50, 49);
        list.MouseUp(30, 30);
        list.MouseMove(30, 30);
        list.DrawAll(nullptr);
        list.DrawAll(screen);
    }
    EXPECT_EQ((std::vector<std::string>{"first pressed", "second pressed", "first missed",
                                        "second missed", "first missed", "second pressed",
                                        "first released", "second released", "first drawn",
                                        "second drawn", "first deleted", "second deleted"}),
              log);
}

TEST_F(Widgets, WidgetsFreeOwnedPicturesButNotSharedOnes) {
    const std::string path = Frames(8, 8, {Rgb(1, 2, 3)});
    const int before = SurfaceCount;
    SurfaceHolder shared(path);
    {
        WidgetList list;
        list.Add(new SDL_CheckBox(&shared, 0, 0, 8, 8));
        list.Add(new SDL_CheckBox(path, 16, 0, 8, 8));
        EXPECT_EQ(before + 2, SurfaceCount);
    }
    EXPECT_EQ(before + 1, SurfaceCount);
}

// The source is 4 by 4 and black but for a mark at (2, 1); the target is 6 by 6 and black.
TEST_F(Widgets, SurfaceHolderCopiesLandWhereAsked) {
    using S = SurfaceHolder;
    const std::vector<std::pair<std::function<void(S&, S&)>, PixelSet>> copies = {
        {[](S& s, S& t) { s.DrawOn(t.Get(), 1, 2); }, {{3, 3}}},
        {[](S& s, S& t) { s.DrawOn(t.Get(), 0, 0, 2, 1, 2, 2); }, {{0, 0}}},
        {[](S& s, S& t) { s.DrawOn(t.Get(), 0, 0, 0, 0, 2, 4); }, {}},
        {[](S& s, S& t) { s.DrawOn(&t, 3, 4); }, {{5, 5}}},
        {[](S& s, S& t) { s.DrawOn(&t, 4, 4, 1, 0, 3, 3); }, {{5, 5}}},
        {[](S& s, S& t) { t.DrawFrom(s.Get(), -2, 0); }, {{0, 1}}},
        {[](S& s, S& t) { t.DrawFrom(s.Get(), 5, 5, 2, 1, 1, 1); }, {{5, 5}}},
        {[](S& s, S& t) { t.DrawFrom(&s, 0, 0); }, {{2, 1}}},
        {[](S& s, S& t) { t.DrawFrom(&s, 1, 1, 2, 0, 2, 2); }, {{1, 2}}},
        {[](S& s, S& t) { s.DrawOn(t.Get(), 65536 + 1, 65536); }, {{3, 1}}},  // cut to 16 bits
        {[](S& s, S& t) {
             s.DrawOn(static_cast<SDL_Surface*>(nullptr), 0, 0);
             s.DrawOn(static_cast<SurfaceHolder*>(nullptr), 0, 0, 0, 0, 4, 4);
             t.DrawFrom(static_cast<SDL_Surface*>(nullptr), 0, 0);
             t.DrawFrom(static_cast<SurfaceHolder*>(nullptr), 0, 0, 0, 0, 4, 4);
         },
         {}}};
    for (std::size_t i = 0; i < copies.size(); ++i) {
        SurfaceHolder source(CreateFilledSurface(4, 4, 0, 0, 0)),
            target(CreateFilledSurface(6, 6, 0, 0, 0));
        PutPixel(source.Get(), 2, 1, 0x00FF8040);
        copies[i].first(source, target);
        EXPECT_EQ(copies[i].second, SetPixels(target.Get())) << "copy " << i;
    }
}

}  // namespace
