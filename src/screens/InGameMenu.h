#ifndef TARVELLO_IN_GAME_MENU_H
#define TARVELLO_IN_GAME_MENU_H

#include "SDL_Engine/SDL_GameState.h"
#include "SDL_Engine/cMenu.h"

class SDL_Menu;
class SoundHolder;

// The pause menu over a running game: abort it, resume it or leave the program.
class InGameMenu final : public SDL_GameState {
  public:
    enum Command { ExitGame = 102, AbortGame = 103, ResumeGame = 104 };

    InGameMenu();
    ~InGameMenu() override;

    bool Init() override;
    void Cleanup() override;
    void HandleKeyDown(SDL_Event* event) override;
    void Draw(SDL_Surface* screen) override;

    const SDL_Menu* GetMenu() const { return menu; }

  private:
    void Confirm();

    cMenu list;
    SDL_Menu* menu;             // owned; closes its font
    SoundHolder* selectSound;   // owned
    SoundHolder* confirmSound;  // owned
};

#endif
