#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "SDL_Engine/Drawing.h"
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

// The US layout's characters, plain and shifted; caps lock shifts letters only, and keys that
// type nothing add nothing.
TEST_F(TextBoxTest, EveryKeyTypesItsUsKeyboardCharacter) {
    const std::string keys = " ',-./0123456789;=[\\]`abcdefghijklmnopqrstuvwxyz";
    box->SetMaxLength(500);
    for (int mod : {KMOD_NONE, KMOD_LSHIFT, KMOD_CAPS}) {
        for (char c : keys) box->OnKeyDown(Key(c, mod));
        for (int silent : {SDLK_RETURN, SDLK_TAB, SDLK_ESCAPE, SDLK_DELETE, SDLK_KP5, SDLK_UP,
                           SDLK_F1, SDLK_LSHIFT, SDLK_WORLD_5}) {
            box->OnKeyDown(Key(silent, mod));
        }
    }
    EXPECT_EQ(keys + " \"<_>?)!@#$%^&*(:+{|}~ABCDEFGHIJKLMNOPQRSTUVWXYZ" +
                  " ',-./0123456789;=[\\]`ABCDEFGHIJKLMNOPQRSTUVWXYZ",
              box->GetText());
}

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
    EXPECT_EQ(Rgb(0, 0, 0), PixelColour(screen, left + 20, bottom));
    EXPECT_EQ(Rgb(0, 0, 0), PixelColour(screen, right, BoxY + 5));
    EXPECT_EQ(Rgb(255, 255, 255), PixelColour(screen, left + 1, BoxY + 1));
    EXPECT_EQ(Rgb(255, 255, 255), PixelColour(screen, right - 1, bottom - 1));
    EXPECT_EQ(Rgb(0, 0, 255), PixelColour(screen, right + 1, BoxY));
}

// Typed text starts one pixel inside the box; too wide, it ends one pixel inside the right edge
// instead. Either way only the inside of the box shows it, and the screen is unclipped after.
TEST_F(TextBoxTest, TypedTextSitsOnePixelInsideTheBoxAndIsCutToIt) {
    FontHolder font(FontFile, 21);
    SDL_Surface* screen = sdl.Screen();
    SDL_Surface* expected = CreateSurface(600, 600, 0);
    const int left = BoxX + box->GetLabelWidth();
    SDL_Rect inside = MakeRect(left + 1, BoxY + 1, SDL_TextBox::BoxWidth - 2, box->GetHeight() - 2);
    for (const std::string text : {"iv", "wwwwwwwwwwwwwww"}) {
        SDL_TextBox blank("Name: ", FontFile, 21, 15, BoxX, BoxY);
        FillSurface(expected, Rgb(200, 0, 200));
        blank.Draw(expected);
        SDL_SetClipRect(expected, &inside);
        const int overflow = std::max(0, GetTextWidth(&font, text) - SDL_TextBox::BoxWidth);
        DrawText(&font, expected, Rgb(0, 0, 0), left + 1 - overflow, BoxY + 1, text);
        SDL_SetClipRect(expected, nullptr);

        for (int i = 0; i < 20; ++i) box->OnKeyDown(Key(SDLK_BACKSPACE));
        Type(text);
        FillSurface(screen, Rgb(200, 0, 200));
        box->Draw(screen);
        const SDL_Rect& clip = screen->clip_rect;
        EXPECT_TRUE(clip.x == 0 && clip.y == 0 && clip.w == 600 && clip.h == 600);
        int differing = 0;
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 600; ++x)
                differing += PixelColour(screen, x, y) != PixelColour(expected, x, y);
        }
        EXPECT_EQ(0, differing) << text;
    }
    SDL_FreeSurface(expected);
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

namespace {

// Lines split at line feeds stack one line skip apart, an empty line keeping its place; the
// widest line gives the width.
TEST(Text, LinesStackOneLineSkipApartAndAnEmptyLineKeepsItsPlace) {
    SdlSession sdl;
    FontHolder font(FontFile, 21);
    const int skip = GetLineSkip(&font);
    EXPECT_EQ(3 * skip, GetTextHeight(&font, "ab\n\nabcd"));
    EXPECT_EQ(GetTextWidth(&font, "abcd"), GetTextWidth(&font, "ab\n\nabcd"));
    EXPECT_LT(GetTextWidth(&font, "ab"), GetTextWidth(&font, "abcd"));
    SDL_Surface* screen = sdl.Screen();
    SDL_Surface* expected = CreateSurface(600, 600, 0);
    FillSurface(screen, Rgb(255, 255, 255));
    FillSurface(expected, Rgb(255, 255, 255));
    DrawText(&font, screen, Rgb(0, 0, 0), 10, 20, "ab\n\nabcd");
    DrawText(&font, expected, Rgb(0, 0, 0), 10, 20, "ab");
    DrawText(&font, expected, Rgb(0, 0, 0), 10, 20 + 2 * skip, "abcd");
    int differing = 0, ink = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            differing += PixelColour(screen, x, y) != PixelColour(expected, x, y);
            ink += PixelColour(screen, x, y).r < 128;
        }
    }
    SDL_FreeSurface(expected);
    EXPECT_EQ(0, differing);
    EXPECT_GT(ink, 50);
    EXPECT_EQ(0,
              GetLineSkip(nullptr) + GetTextHeight(nullptr, "a\nb") + GetTextWidth(nullptr, "a"));
    DrawText(nullptr, screen, Rgb(0, 0, 0), 0, 0, "a");
}

}  // namespace
