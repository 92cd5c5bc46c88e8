#include "SDL_Engine/SDL_Menu.h"

#include <algorithm>
#include <utility>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/WindowSize.h"
#include "SDL_Engine/cMenu.h"

namespace {
void FillRect(SDL_Surface* screen, int x, int y, int w, int h, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Rect rect = MakeRect(x, y, w, h);
    SDL_FillRect(screen, &rect, SDL_MapRGB(screen->format, r, g, b));
}
}  // namespace

SDL_Menu::SDL_Menu(cMenu* list, std::unique_ptr<FontHolder> menuFont, SDL_Color panel,
                   SDL_Color text)
    : MenuControl(list), panelColour(panel), textColour(text), font(std::move(menuFont)) {}

int SDL_Menu::GetMaxWidth(cMenu* list) {
    int widest = 0;
    const unsigned count = list ? list->Size() : 0;
    for (unsigned i = 0; i < count; ++i) {
        widest = std::max(widest, GetTextWidth(font.get(), list->At(i).GetText()));
    }
    return widest;
}

int SDL_Menu::GetHeight(cMenu* list) {
    const int count = list ? static_cast<int>(list->Size()) : 0;
    return count * GetLineSkip(font.get());
}

void SDL_Menu::Draw(SDL_Surface* screen) {
    if (!screen) return;
    const int height = GetHeight(currentList);
    DrawPanel(screen, GetMaxWidth(currentList), height);
    DrawEntries(screen, height);
}

// The panel is centred for a 600 by 600 screen: a frame 25 pixels wide in the text colour around
// the panel colour, with a shadow 5 pixels to the right and below.
void SDL_Menu::DrawPanel(SDL_Surface* screen, int maxWidth, int height) {
    const int left = (450 - maxWidth) >> 1;
    const int top = (525 - height) >> 1;
    const int w = maxWidth + 150;
    const int h = height + 75;
    FillRect(screen, left + 5, top + 5, w, h, 70, 70, 70);
    FillRect(screen, left, top, w, h, textColour.r, textColour.g, textColour.b);
    FillRect(screen, left + 25, top + 25, w - 50, h - 50, panelColour.r, panelColour.g,
             panelColour.b);
}

void SDL_Menu::DrawEntries(SDL_Surface* screen, int height) {
    const int skip = GetLineSkip(font.get());
    const unsigned count = currentList ? currentList->Size() : 0;
    int y = (kWindowHeight - height) >> 1;
    for (unsigned i = 0; i < count; ++i) {
        const std::string text = currentList->At(i).GetText();
        const int w = GetTextWidth(font.get(), text);
        const int x = (kWindowWidth - w) >> 1;
        if (i == selected) FillRect(screen, x, y, w, skip, 235, 241, 254);
        texts.Draw(font.get(), screen, textColour, x, y, text);
        y += skip;
    }
}
