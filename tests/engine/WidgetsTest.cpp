#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/FrameKey.h"
#include "SDL_Engine/MenuControl.h"
#include "SDL_Engine/SDL_Button.h"
#include "SDL_Engine/SDL_CheckBox.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/TextCache.h"
#include "SDL_Engine/WidgetList.h"
#include "SDL_Engine/cMenu.h"
#include "game/DataFiles.h"
#include "support/LiveResources.h"
#include "support/Pictures.h"
#include "support/SdlSession.h"
#include "support/TempFiles.h"

namespace {
const char* const FontFile = DataFiles::kTitleFont;
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

SDL_Color Rgb(Uint8 r, Uint8 g, Uint8 b) { return SDL_Color{r, g, b, 0}; }

class Widgets : public testing::Test {
  public:
    // A picture of frames side by side, frame i filled with colours[i], for a button or a check
    // box, written into the test's temporary folder.
    std::string Frames(int w, int h, std::vector<SDL_Color> colours) {
        SurfacePtr picture = CreateSurface(w * static_cast<int>(colours.size()), h, 0);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            SDL_Rect frame = MakeRect(w * static_cast<int>(i), 0, w, h);
            SDL_FillRect(picture.get(), &frame,
                         SDL_MapRGB(picture->format, colours[i].r, colours[i].g, colours[i].b));
        }
        const std::string path = folder.File("frames-" + std::to_string(pictures++) + ".bmp");
        SDL_SaveBMP(picture.get(), path.c_str());
        return path;
    }

    SdlSession sdl;
    SDL_Surface* screen = sdl.Screen();
    TempFolder folder;
    int pictures = 0;
};

// Each scene draws what the screens' recorded frames do not reach (text boxes typed past their
// width, every way of copying between holders) onto the whole screen, compared with its golden
// picture.
struct WidgetScene {
    const char* name;
    void (*draw)(Widgets&);
};

void PrintTo(const WidgetScene& scene, std::ostream* out) { *out << scene.name; }

class WidgetFrameHash : public Widgets, public testing::WithParamInterface<WidgetScene> {};

TEST_P(WidgetFrameHash, DrawsTheRecordedScreen) {
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 1, 90, 1));
    GetParam().draw(*this);
    ExpectPicture(std::string("Widgets.") + GetParam().name, Capture(screen));
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

// Every way of copying between holders and surfaces, into one held picture shown on the screen.
void CopyScene(Widgets& w) {
    using S = SurfaceHolder;
    S source(CreateFilledSurface(30, 20, 200, 0, 0)),
        target(CreateFilledSurface(300, 200, 0, 0, 90));
    for (int i = 0; i < 30; ++i) PutPixel(source.Get(), i, i % 20, 0x00FF8040 + i);
    source.DrawOn(target.Get(), 1, 2);
    source.DrawOn(target.Get(), 40, 0, 2, 1, 12, 9);
    source.DrawOn(&target, 70, 4);
    source.DrawOn(&target, 110, 4, 1, 0, 3, 30);
    target.DrawFrom(source.Get(), -2, 40);
    target.DrawFrom(source.Get(), 40, 40, 2, 1, 1, 1);
    target.DrawFrom(&source, 70, 40);
    target.DrawFrom(&source, 110, 40, 2, 0, 20, 20);
    source.DrawOn(target.Get(), 65536 + 150, 65536 + 100);  // cut to 16 bits
    source.DrawOn(static_cast<SDL_Surface*>(nullptr), 0, 0);
    source.DrawOn(static_cast<S*>(nullptr), 0, 0, 0, 0, 4, 4);
    target.DrawFrom(static_cast<SDL_Surface*>(nullptr), 0, 0);
    target.DrawFrom(static_cast<S*>(nullptr), 0, 0, 0, 0, 4, 4);
    target.DrawOn(w.screen, 250, 350);
}

INSTANTIATE_TEST_SUITE_P(Scenes, WidgetFrameHash,
                         testing::Values(WidgetScene{"TextBox", TextBoxScene},
                                         WidgetScene{"HolderCopies", CopyScene}),
                         testing::PrintToStringParamName());

// Text is as high as its lines, an empty one included, and as wide as its widest line; the cache
// keeps one picture a line and colour.
TEST_F(Widgets, TextSizesAndTheTextCacheKeepingOnePictureALine) {
    FontHolder font(FontFile, 21);
    EXPECT_EQ(3 * GetLineSkip(&font), GetTextHeight(&font, "ab\n\nabcd"));
    EXPECT_EQ(GetTextWidth(&font, "abcd"), GetTextWidth(&font, "ab\n\nabcd"));
    EXPECT_EQ(0, GetTextHeight(nullptr, "a\nb"));
    EXPECT_EQ(0, GetTextWidth(nullptr, "a"));
    EXPECT_EQ(0, GetTextWidth(&font, ""));
    SDL_Menu menu(nullptr, std::make_unique<FontHolder>(FontFile, 21), Black, Black);
    EXPECT_EQ(0, menu.GetHeight(nullptr));  // a menu without a list has no rows
    const int surfaces = SurfaceCount;
    {
        TextCache cache;
        for (int frame = 0; frame < 5; ++frame) cache.Draw(&font, screen, Black, 0, 0, "4x\n3x");
        EXPECT_EQ(surfaces + 2, SurfaceCount);
        cache.Draw(&font, screen, Rgb(0, 0, 1), 0, 0, "4x");  // another colour, another picture
        EXPECT_EQ(surfaces + 3, SurfaceCount);
        // Ever new words (a name being typed) do not pile up: the cache starts afresh when it
        // holds 64 lines, so of 503 it keeps the last 503 - 7 * 64.
        for (int n = 0; n < 500; ++n) cache.Draw(&font, screen, Black, 0, 0, std::to_string(n));
        EXPECT_EQ(surfaces + 55, SurfaceCount);
    }
    EXPECT_EQ(surfaces, SurfaceCount);
}

// Each step: m(ove), d(own) or u(p) at a place on row 55, then the state it leaves the button in
// (0 normal, 1 hovered, 2 pressed); the places are + inside, - well outside, and by the left and
// right edges < 99, [ 100, ] 139, > 140. Then the clicks posted.
TEST_F(Widgets, ButtonFollowsThePointerAndPostsItsCodeOnlyOnAReleaseInside) {
    const std::vector<std::pair<std::string, unsigned>> sequences = {
        {"m+1 m-0", 0}, {"d+2 m-2 m+2 u+1", 1}, {"d+2 m-2 u-0", 0},    {"d-0 m+1 u+1", 1},
        {"d+2 d-2", 0}, {"m]1 d>0 m<0 m[1", 0}, {"d+2 u+1 d+2 u+1", 2}};
    const std::string places = "+-<[]>";
    const int xs[] = {110, 300, 99, 100, 139, 140};
    const std::string path = Frames(40, 20, {Rgb(1, 0, 0), Rgb(2, 0, 0), Rgb(3, 0, 0)});
    for (const auto& sequence : sequences) {
        SDL_Button button(path, 100, 50, 40, 20, 2);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        for (std::size_t i = 0; i < sequence.first.size(); i += 4) {
            const char action = sequence.first[i];
            const int x = xs[places.find(sequence.first[i + 1])];
            if (action == 'm') button.OnMouseMove(x, 55);
            if (action == 'd') button.OnMouseDown(x, 55);
            if (action == 'u') button.OnMouseUp(x, 55);
            EXPECT_EQ(sequence.first[i + 2] - '0', button.GetState())
                << sequence.first << " @" << i;
        }
        unsigned clicks = 0;
        for (; SDL_PollEvent(&event); ++clicks) {
            ASSERT_EQ(SDL_USEREVENT + 1, event.type);
            EXPECT_EQ(2, event.user.code);
            EXPECT_EQ(nullptr, event.user.data1);
            EXPECT_EQ(nullptr, event.user.data2);
        }
        EXPECT_EQ(sequence.second, clicks) << sequence.first;
    }
}

TEST_F(Widgets, TextBoxTypesUsKeyboardCharactersUpToItsLengthWhileItHasFocus) {
    SDL_TextBox box("Name: ", FontFile, 21, 500, 10, 10),
        other("Name: ", FontFile, 21, 15, 375, 562);
    FontHolder font(FontFile, 21);
    // The box is a line of text high, with a pixel of frame above and below.
    const int left = 10 + box.GetLabelWidth(), height = GetLineSkip(&font) + 2;
    box.OnKeyDown(Key(SDLK_a));  // no focus yet
    const int misses[][2] = {
        {left - 1, 12}, {left + SDL_TextBox::BoxWidth, 12}, {left, 9}, {left, 10 + height}};
    for (const auto* miss : misses) {
        box.OnMouseDown(left, 10);
        EXPECT_TRUE(box.HasFocus());
        EXPECT_FALSE(box.OnMouseDown(miss[0], miss[1])) << miss[0] << ", " << miss[1];
        EXPECT_FALSE(box.HasFocus());
    }
    box.OnMouseDown(left + SDL_TextBox::BoxWidth - 1, 10 + height - 1);
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
    const Counts before = LiveResources();
    auto list = std::make_unique<SDL_CheckBoxList>(
        FontFile, Frames(24, 24, {Rgb(1, 0, 0), Rgb(2, 0, 0)}), 21, 10, 43, 24, 24);
    list->AddItem("Human ", 1);
    list->AddItem("Computer ", 0);
    EXPECT_EQ(before.at("surfaces") + 1, SurfaceCount);
    EXPECT_EQ(before.at("fonts") + 1, FontCount);
    const int boxX = 10 + GetTextWidth(&font, "Computer ") + 5, row = list->GetRowHeight();
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
    EXPECT_EQ(before, LiveResources());
}

// A widget that writes down every call it gets, so a list's order shows in one string.
class Tracing : public SDL_Widget {
  public:
    Tracing(char letter, std::string& journal)
        : SDL_Widget(nullptr, 0, 0, 10, 10), name(letter), log(journal) {}
    bool OnMouseMove(int, int) override { return Note('m'); }
    bool OnMouseDown(int, int) override { return Note('d'); }
    void OnMouseUp(int, int) override { Note('u'); }
    void Draw(SDL_Surface*) override { Note('w'); }
    void AddToKey(FrameKey&) const override { log += name, log += 'k'; }
    ~Tracing() override { Note('x'); }

  private:
    bool Note(char call) {
        log += name, log += call;
        return false;
    }
    char name;
    std::string& log;
};

// An empty slot is passed over by every operation; the others are called in the order added,
// and each widget is deleted once, with the list.
TEST_F(Widgets, ListSkipsEmptySlotsAndCallsEveryWidgetInTurn) {
    std::string log;
    {
        WidgetList list;
        list.Add(std::make_unique<Tracing>('a', log));
        EXPECT_EQ(nullptr, list.Add(std::unique_ptr<Tracing>()));
        list.Add(std::make_unique<Tracing>('b', log));
        FrameKey key;
        list.MouseMove(1, 1);
        list.MouseDown(1, 1);
        list.MouseUp(1, 1);
        list.DrawAll(screen);
        list.DrawAll(nullptr);
        list.AddToKey(key);
        EXPECT_EQ(3u, list.Size());
    }
    EXPECT_EQ("ambmadbdaubuawbwakbkaxbx", log);
}

// The screens' tests walk the menus; here the ends of the list and what they never reach.
TEST(MenuControl, SelectionWrapsBothWaysAndEmptyMenusChooseNothing) {
    cMenu main = ThreeEntries(), options, empty;
    main.AddSubMenu("More", &options);
    options.AddItem(105, "Toggle Fullscreen");
    options.AddSubMenu(nullptr, &main);
    EXPECT_EQ("", options.At(1).GetText());
    EXPECT_EQ(0, main.At(3).GetId());
    MenuControl menu(&main);
    EXPECT_EQ(3u, menu.Previous());
    EXPECT_EQ(0u, menu.Next());
    menu.Previous();
    EXPECT_EQ(-1, menu.Choose());  // into the sub-menu, at its first entry
    EXPECT_EQ(&options, menu.GetCurrentList());
    EXPECT_EQ(0u, menu.GetSelected());
    testing::internal::CaptureStdout();
    menu.Print();
    EXPECT_EQ("Toggle Fullscreen <-\n\n", testing::internal::GetCapturedStdout());
    MenuControl onEmpty(&empty);
    EXPECT_EQ(0u, onEmpty.Next());
    EXPECT_EQ(0u, onEmpty.Previous());
    EXPECT_EQ(-1, onEmpty.Choose());
}

TEST(MenuDeathTest, IndexPastTheEndStopsTheProgram) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    cMenu list = ThreeEntries();
    EXPECT_DEATH(list.At(3), "src/SDL_Engine/cMenu.*index >= 0 && index < MenuList\\.size\\(\\)");
}

}  // namespace
