#ifndef TARVELLO_SDL_MENU_H
#define TARVELLO_SDL_MENU_H

#include <SDL.h>

#include "SDL_Engine/MenuControl.h"
#include "SDL_Engine/TextCache.h"

class FontHolder;

// A menu drawn as a framed panel with a shadow in the middle of a 600 by 600 screen.
class SDL_Menu : public MenuControl {
  public:
    // Takes ownership of font. The text colour also paints the panel's frame.
    SDL_Menu(cMenu* list, FontHolder* font, SDL_Color panel, SDL_Color text);
    ~SDL_Menu() override;

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
    FontHolder* font;  // owned
    TextCache texts;   // the entries, rendered once
};

#endif
