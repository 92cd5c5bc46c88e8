#ifndef TARVELLO_SDL_MENU_H
#define TARVELLO_SDL_MENU_H

#include <SDL.h>

#include <memory>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MenuControl.h"
#include "SDL_Engine/TextCache.h"

// A menu drawn as a framed panel with a shadow in the middle of a 600 by 600 screen.
class SDL_Menu : public MenuControl {
  public:
    // The text colour also paints the panel's frame.
    SDL_Menu(cMenu* list, std::unique_ptr<FontHolder> menuFont, SDL_Color panel, SDL_Color text);

    SDL_Menu(const SDL_Menu&) = delete;
    SDL_Menu& operator=(const SDL_Menu&) = delete;

    // The widest entry text in the menu's font; 0 for an empty list.
    int GetMaxWidth(cMenu* list);
    int GetHeight(cMenu* list);
    void Draw(SDL_Surface* screen);

  private:
    void DrawPanel(SDL_Surface* screen, int maxWidth, int height);
    void DrawEntries(SDL_Surface* screen, int height);

    SDL_Color panelColour;
    SDL_Color textColour;
    std::unique_ptr<FontHolder> font;
    TextCache texts;  // the entries, rendered once
};

#endif
