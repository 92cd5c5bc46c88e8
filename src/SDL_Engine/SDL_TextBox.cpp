#include "SDL_Engine/SDL_TextBox.h"

#include <algorithm>
#include <utility>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FrameKey.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"

namespace {
const SDL_Color Black = Rgb(0, 0, 0);

struct KeyPair {
    int sym;
    char plain;
    char shifted;
};

// The keys besides the letters that type a character, as on a US keyboard.
const KeyPair Punctuation[] = {
    {SDLK_SPACE, ' ', ' '},       {SDLK_QUOTE, '\'', '"'},     {SDLK_COMMA, ',', '<'},
    {SDLK_MINUS, '-', '_'},       {SDLK_PERIOD, '.', '>'},     {SDLK_SLASH, '/', '?'},
    {SDLK_0, '0', ')'},           {SDLK_1, '1', '!'},          {SDLK_2, '2', '@'},
    {SDLK_3, '3', '#'},           {SDLK_4, '4', '$'},          {SDLK_5, '5', '%'},
    {SDLK_6, '6', '^'},           {SDLK_7, '7', '&'},          {SDLK_8, '8', '*'},
    {SDLK_9, '9', '('},           {SDLK_SEMICOLON, ';', ':'},  {SDLK_EQUALS, '=', '+'},
    {SDLK_LEFTBRACKET, '[', '{'}, {SDLK_BACKSLASH, '\\', '|'}, {SDLK_RIGHTBRACKET, ']', '}'},
    {SDLK_BACKQUOTE, '`', '~'},
};

// The character a key types with the given modifiers; 0 for keys that type nothing.
char TypedCharacter(SDLKey sym, SDLMod mod) {
    const bool shift = (mod & (KMOD_LSHIFT | KMOD_RSHIFT)) != 0;
    if (sym >= SDLK_a && sym <= SDLK_z) {
        const char letter = static_cast<char>('a' + (sym - SDLK_a));
        const bool upper = shift || (mod & KMOD_CAPS) != 0;
        return upper ? static_cast<char>(letter - 'a' + 'A') : letter;
    }
    for (const KeyPair& key : Punctuation) {
        if (key.sym == sym) return shift ? key.shifted : key.plain;
    }
    return 0;
}

// The white box with a black frame one pixel wide.
std::unique_ptr<SurfaceHolder> BoxPicture(int height) {
    auto box = std::make_unique<SurfaceHolder>(
        CreateSurface(SDL_TextBox::BoxWidth, height, 0, PixelLayout::Rgb32));
    SDL_Rect inside = {1, 1, SDL_TextBox::BoxWidth - 2, static_cast<Uint16>(height - 2)};
    box->Fill(&inside, 255, 255, 255);
    return box;
}
}  // namespace

SDL_TextBox::SDL_TextBox(const std::string& caption, const std::string& fontFile, int fontSize,
                         int maxChars, int left, int top)
    : SDL_TextBox(caption, std::make_unique<FontHolder>(fontFile, fontSize), maxChars, left, top) {}

SDL_TextBox::SDL_TextBox(const std::string& caption, std::unique_ptr<FontHolder> opened,
                         int maxChars, int left, int top)
    : SDL_Widget(BoxPicture(GetLineSkip(opened.get()) + 2), left, top, BoxWidth,
                 GetLineSkip(opened.get()) + 2),
      font(std::move(opened)),
      focused(false),
      labelWidth(GetTextWidth(font.get(), caption)),
      maxLength(static_cast<unsigned>(maxChars)),
      label(caption) {}

bool SDL_TextBox::OnMouseMove(int px, int py) {
    const int left = x + labelWidth;
    return px >= left && px < left + width && py >= y && py < y + height;
}

bool SDL_TextBox::OnMouseDown(int px, int py) {
    focused = OnMouseMove(px, py);
    return focused;
}

void SDL_TextBox::OnKeyDown(SDL_keysym key) {
    if (!focused) return;
    if (key.sym == SDLK_BACKSPACE) {
        if (!text.empty()) text.erase(text.size() - 1);
        return;
    }
    if (text.size() >= maxLength) return;
    const char typed = TypedCharacter(key.sym, key.mod);
    if (typed) text += typed;
}

void SDL_TextBox::Draw(SDL_Surface* screen) {
    if (!screen) return;
    labelText.Draw(font.get(), screen, Black, x, y, label);
    if (image) image->DrawOn(screen, x + labelWidth, y);
    if (!text.empty()) DrawTypedText(screen);
}

// A text wider than the box is shifted left so its end stays in view; the clip cuts the rest.
void SDL_TextBox::DrawTypedText(SDL_Surface* screen) {
    SDL_Rect inside = MakeRect(x + labelWidth + 1, y + 1, width - 2, height - 2);
    SDL_SetClipRect(screen, &inside);
    const int shown = std::max(width, GetTextWidth(font.get(), text));
    DrawText(font.get(), screen, Black, x + labelWidth + width - shown + 1, y + 1, text);
    SDL_SetClipRect(screen, nullptr);
}

void SDL_TextBox::AddToKey(FrameKey& key) const { key << text; }
