#ifndef TARVELLO_MAIN_MENU_H
#define TARVELLO_MAIN_MENU_H

#include "SDL_Engine/SDL_GameState.h"
#include "SDL_Engine/cMenu.h"

class MusicHolder;
class SDL_Menu;
class SoundHolder;
class SurfaceHolder;
class TunnelEffect;

// The hub of the program: new game, options (full screen, music, sound) and exit, over the
// tunnel with the logo and the music.
class MainMenu final : public SDL_GameState {
  public:
    enum Command {
        NewGame = 100,
        Exit = 102,
        ToggleFullscreen = 105,
        MusicOnOff = 106,
        SoundOnOff = 107
    };

    MainMenu();
    ~MainMenu() override;

    bool Init() override;
    void Cleanup() override;
    void HandleKeyDown(SDL_Event* event) override;
    void Draw(SDL_Surface* screen) override;

    const SDL_Menu* GetMenu() const { return menu; }
    const cMenu* GetMainList() const { return &mainList; }
    const cMenu* GetOptionsList() const { return &optionsList; }

  private:
    void Confirm();
    void SwitchMusic();

    TunnelEffect* tunnel;  // owned
    cMenu mainList;
    cMenu optionsList;
    SDL_Menu* menu;             // owned; closes its font
    MusicHolder* music;         // owned
    SoundHolder* selectSound;   // owned
    SoundHolder* confirmSound;  // owned
    SurfaceHolder* logo;        // owned
};

#endif
