#ifndef TARVELLO_IN_GAME_MENU_H
#define TARVELLO_IN_GAME_MENU_H

#include "SDL_Engine/cMenu.h"
#include "screens/MenuScreen.h"

// The pause menu over a running game: abort it, resume it or leave the program.
class InGameMenu final : public MenuScreen {
  public:
    enum Command { ExitGame = 102, AbortGame = 103, ResumeGame = 104 };

    InGameMenu();

    bool Init() override;
    void Draw(SDL_Surface* screen) override;

  private:
    void Choose(int command) override;

    cMenu list;
};

#endif
