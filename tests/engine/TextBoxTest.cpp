#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "SDL_Engine/Text.h"
#include "support/SdlSession.h"
#include "support/TestPictures.h"

namespace {
const char* const FontFile = "data/fonts/Jester.ttf";
const int BoxX = 10, BoxY = 10;

SDL_keysym Key(int sym, int mod = KMOD_NONE) {
    SDL_keysym key;
    key.scancode = 0;
    key.sym = static_cast<SDLKey>(sym);
    key.mod = static_cast<SDLMod>(mod);
    key.unicode = 0;
    return key;
}

class TextBoxTest : public testing::Test {
  protected:
    void SetUp() override {
        box.reset(new SDL_TextBox("Name: ", FontFile, 21, 15, BoxX, BoxY));
        ClickBox(*box);
    }

    static void ClickBox(SDL_TextBox& target) {
        target.OnMouseDown(target.GetX() + target.GetLabelWidth() + 5, target.GetY() + 5);
    }

    void Type(const std::string& letters) {
        for (char c : letters) box->OnKeyDown(Key(c));
    }

    SdlSession sdl;
    std::unique_ptr<SDL_TextBox> box;
};

TEST_F(TextBoxTest, ShiftAndCapsLockMakeCapitals) {
    box->OnKeyDown(Key(SDLK_a));
    box->OnKeyDown(Key(SDLK_b, KMOD_LSHIFT));
    box->OnKeyDown(Key(SDLK_c, KMOD_CAPS));
    box->OnKeyDown(Key(SDLK_2, KMOD_RSHIFT));
    box->OnKeyDown(Key(SDLK_z, KMOD_LSHIFT | KMOD_CAPS));
    box->OnKeyDown(Key(SDLK_y, KMOD_CTRL | KMOD_NUM));
    EXPECT_EQ("aBC@Zy", box->GetText());
}

struct KeyCase {
    int sym;
    int mod;
    std::string typed;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << "key " << c.sym << " mod " << c.mod << " types";
    for (char typed : c.typed) *out << " " << int(typed);
}

class TextBoxKeyTable : public TextBoxTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(TextBoxKeyTable, TypesTheUsKeyboardCharacter) {
    box->OnKeyDown(Key(GetParam().sym, GetParam().mod));
    EXPECT_EQ(GetParam().typed, box->GetText());
}

const int Shift = KMOD_LSHIFT;
INSTANTIATE_TEST_SUITE_P(
    UsLayout, TextBoxKeyTable,
    testing::Values(KeyCase{' ', 0, " "}, KeyCase{' ', Shift, " "}, KeyCase{'\'', 0, "'"},
                    KeyCase{'\'', Shift, "\""}, KeyCase{',', 0, ","}, KeyCase{',', Shift, "<"},
                    KeyCase{'-', 0, "-"}, KeyCase{'-', Shift, "_"}, KeyCase{'.', 0, "."},
                    KeyCase{'.', Shift, ">"}, KeyCase{'/', 0, "/"}, KeyCase{'/', Shift, "?"},
                    KeyCase{'0', 0, "0"}, KeyCase{'0', Shift, ")"}, KeyCase{'1', Shift, "!"},
                    KeyCase{'2', Shift, "@"}, KeyCase{'3', Shift, "#"}, KeyCase{'4', Shift, "$"},
                    KeyCase{'5', Shift, "%"}, KeyCase{'6', Shift, "^"}, KeyCase{'7', Shift, "&"},
                    KeyCase{'8', Shift, "*"}, KeyCase{'9', 0, "9"}, KeyCase{'9', Shift, "("},
                    KeyCase{';', 0, ";"}, KeyCase{';', Shift, ":"}, KeyCase{'=', 0, "="},
                    KeyCase{'=', Shift, "+"}, KeyCase{'[', 0, "["}, KeyCase{'[', Shift, "{"},
                    KeyCase{'\\', 0, "\\"}, KeyCase{'\\', Shift, "|"}, KeyCase{']', 0, "]"},
                    KeyCase{']', Shift, "}"}, KeyCase{'`', 0, "`"}, KeyCase{'`', Shift, "~"},
                    KeyCase{'5', KMOD_CAPS, "5"}, KeyCase{'/', KMOD_CAPS, "/"},
                    KeyCase{'8', KMOD_RSHIFT, "*"}, KeyCase{SDLK_RETURN, 0, ""},
                    KeyCase{SDLK_TAB, 0, ""}, KeyCase{SDLK_ESCAPE, 0, ""},
                    KeyCase{SDLK_DELETE, 0, ""}, KeyCase{SDLK_KP5, 0, ""}, KeyCase{SDLK_UP, 0, ""},
                    KeyCase{SDLK_F1, 0, ""}, KeyCase{SDLK_LSHIFT, Shift, ""},
                    KeyCase{SDLK_WORLD_5, 0, ""}),
    [](const testing::TestParamInfo<KeyCase>& info) {
        const int mod = info.param.mod;
        const char* held = mod & KMOD_SHIFT ? "Shift" : mod & KMOD_CAPS ? "Caps" : "Plain";
        return "Case" + std::to_string(info.index) + "Key" + std::to_string(info.param.sym) + held;
    });

TEST_F(TextBoxTest, MaximumLengthDropsExtraKeysButNotBackspace) {
    Type("abcdefghijklmno");
    box->OnKeyDown(Key(SDLK_p));
    EXPECT_EQ("abcdefghijklmno", box->GetText());
    box->OnKeyDown(Key(SDLK_BACKSPACE));
    EXPECT_EQ("abcdefghijklmn", box->GetText());
    box->OnKeyDown(Key(SDLK_z));
    EXPECT_EQ("abcdefghijklmnz", box->GetText());
}

TEST_F(TextBoxTest, ShorterMaximumKeepsTextAndStillAllowsBackspace) {
    Type("abcdef");
    box->SetMaxLength(3);
    Type("g");
    EXPECT_EQ("abcdef", box->GetText());
    for (int i = 0; i < 3; ++i) box->OnKeyDown(Key(SDLK_BACKSPACE));
    Type("xy");
    EXPECT_EQ("abc", box->GetText());
}

TEST_F(TextBoxTest, BackspaceOnEmptyTextDoesNothing) {
    box->OnKeyDown(Key(SDLK_BACKSPACE));
    EXPECT_EQ("", box->GetText());
    Type("q");
    EXPECT_EQ("q", box->GetText());
}

TEST_F(TextBoxTest, KeysGoOnlyToTheBoxClickedLast) {
    SDL_TextBox other("Name: ", FontFile, 21, 15, 375, 562);
    EXPECT_TRUE(box->HasFocus());
    EXPECT_FALSE(other.HasFocus());
    Type("ab");
    other.OnKeyDown(Key(SDLK_c));
    ClickBox(other);
    box->OnMouseDown(other.GetX() + other.GetLabelWidth() + 5, other.GetY() + 5);
    EXPECT_FALSE(box->HasFocus());
    EXPECT_TRUE(other.HasFocus());
    box->OnKeyDown(Key(SDLK_d));
    other.OnKeyDown(Key(SDLK_e));
    EXPECT_EQ("ab", box->GetText());
    EXPECT_EQ("e", other.GetText());
}

TEST_F(TextBoxTest, ClickOnTheLabelOrPastTheBoxTakesFocusAway) {
    const int left = BoxX + box->GetLabelWidth();
    const int clicks[][2] = {{left - 1, BoxY + 2},
                             {BoxX, BoxY + 2},
                             {left + SDL_TextBox::BoxWidth, BoxY + 2},
                             {left + 2, BoxY + box->GetHeight()}};
    for (const auto& click : clicks) {
        ClickBox(*box);
        ASSERT_TRUE(box->HasFocus());
        box->OnMouseDown(click[0], click[1]);
        EXPECT_FALSE(box->HasFocus()) << click[0] << ", " << click[1];
    }
    Type("a");
    EXPECT_EQ("", box->GetText());
}

TEST_F(TextBoxTest, BoxIsWhiteInsideAOnePixelBlackFrame) {
    FontHolder font(FontFile, 21);
    EXPECT_EQ(GetLineSkip(&font) + 2, box->GetHeight());
    EXPECT_EQ(GetTextWidth(&font, "Name: "), box->GetLabelWidth());
    SDL_Surface* screen = sdl.Screen();
    FillSurface(screen, Rgb(0, 0, 255));
    box->Draw(screen);
    const int left = BoxX + box->GetLabelWidth(), right = left + SDL_TextBox::BoxWidth - 1;
    const int bottom = BoxY + box->GetHeight() - 1;
    EXPECT_EQ(Rgb(0, 0, 0), PixelColour(screen, left, BoxY));
    EXPECT_EQ(Rgb(0, 0, 0), PixelColour(screen, right, bottom));
    EXPECT_EQ(Rgb(255, 255, 255), PixelColour(screen, left + 1, BoxY + 1));
    EXPECT_EQ(Rgb(255, 255, 255), PixelColour(screen, right - 1, bottom - 1));
    EXPECT_EQ(Rgb(0, 0, 255), PixelColour(screen, right + 1, BoxY));
}

// Whether any pixel of column x between rows top and bottom (exclusive) is darker than grey.
bool ColumnHasInk(SDL_Surface* screen, int x, int top, int bottom) {
    for (int y = top; y < bottom; ++y) {
        if (PixelColour(screen, x, y).r < 128) return true;
    }
    return false;
}

TEST_F(TextBoxTest, OverflowingTextStaysInsideTheBoxFlushRight) {
    SDL_Surface* screen = sdl.Screen();
    const SDL_Color paper = Rgb(200, 0, 200);
    FillSurface(screen, paper);
    box->Draw(screen);
    SDL_Surface* empty = SDL_ConvertSurface(screen, screen->format, 0);
    ASSERT_NE(nullptr, empty);

    Type("wwwwwwwwwwwwwww");
    ASSERT_EQ(15u, box->GetText().size());
    FillSurface(screen, paper);
    box->Draw(screen);
    const SDL_Rect& clip = screen->clip_rect;
    EXPECT_TRUE(clip.x == 0 && clip.y == 0 && clip.w == 600 && clip.h == 600);

    const int left = BoxX + box->GetLabelWidth(), right = left + SDL_TextBox::BoxWidth - 1;
    const int bottom = BoxY + box->GetHeight() - 1;
    int changedOutside = 0;
    for (int y = 0; y < bottom + 20; ++y) {
        for (int x = 0; x < right + 40; ++x) {
            const bool inside = x > left && x < right && y > BoxY && y < bottom;
            if (!inside && PixelColour(screen, x, y) != PixelColour(empty, x, y)) ++changedOutside;
        }
    }

    SDL_FreeSurface(empty);
    EXPECT_EQ(0, changedOutside);
    // The cut-off start of the text reaches the box's left edge (allowing for the gap between
    // two letters, which depends on the font).
    bool inkNearLeft = false;
    for (int x = left + 1; x < left + 5; ++x)
        inkNearLeft |= ColumnHasInk(screen, x, BoxY + 1, bottom);
    EXPECT_TRUE(inkNearLeft) << "start cut by the left edge";
    bool inkNearRight = false;
    for (int x = right - 6; x < right; ++x)
        inkNearRight |= ColumnHasInk(screen, x, BoxY + 1, bottom);
    EXPECT_TRUE(inkNearRight) << "end of the text at the right edge";
}

TEST_F(TextBoxTest, ShortTextStartsOnePixelInsideTheBox) {
    Type("i");
    SDL_Surface* screen = sdl.Screen();
    FillSurface(screen, Rgb(200, 0, 200));
    box->Draw(screen);
    const int left = BoxX + box->GetLabelWidth();
    const int bottom = BoxY + box->GetHeight() - 1;
    bool inkNearLeft = false;
    for (int x = left + 1; x < left + 12; ++x)
        inkNearLeft |= ColumnHasInk(screen, x, BoxY + 1, bottom);
    EXPECT_TRUE(inkNearLeft);
    for (int x = left + 40; x < left + SDL_TextBox::BoxWidth - 1; ++x) {
        ASSERT_FALSE(ColumnHasInk(screen, x, BoxY + 1, bottom)) << "column " << x;
    }
    box->Draw(nullptr);
}

TEST(TextBoxResources, DeletingTheBoxFreesFontAndPicture) {
    SdlSession sdl;
    const int surfaces = SurfaceCount, fonts = FontCount;
    {
        SDL_TextBox box("Name: ", FontFile, 21, 15, 0, 0);
        EXPECT_EQ(surfaces + 1, SurfaceCount);
        EXPECT_EQ(fonts + 1, FontCount);
    }
    EXPECT_EQ(surfaces, SurfaceCount);
    EXPECT_EQ(fonts, FontCount);
    EXPECT_THROW(SDL_TextBox("Name: ", "no/such/font.ttf", 21, 15, 0, 0), SDL_Exception);
    EXPECT_EQ(fonts, FontCount);
}
}  // namespace
