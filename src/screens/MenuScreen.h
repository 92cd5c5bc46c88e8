#ifndef TARVELLO_MENU_SCREEN_H
#define TARVELLO_MENU_SCREEN_H

#include <memory>

#include "SDL_Engine/SDL_GameState.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/SoundHolder.h"

class cMenu;

// What the game's two keyboard menus (the main menu and the pause menu) share: their look, Up and
// Down moving the selection with the select sound, and Return choosing with the confirm sound.
class MenuScreen : public SDL_GameState {
  public:
    void Cleanup() override;
    void HandleKeyDown(SDL_Event* event) override;

  protected:
    // A menu on list in the game's menu font and colours.
    void OpenMenu(cMenu* list);
    void LoadSounds();
    // Acts on the chosen entry's command (-1: the entry opened a sub-menu). The screen may be
    // gone afterwards.
    virtual void Choose(int command) = 0;

    std::unique_ptr<SDL_Menu> menu;

  private:
    std::unique_ptr<SoundHolder> selectSound;
    std::unique_ptr<SoundHolder> confirmSound;
};

#endif
