#ifndef TARVELLO_MAIN_MENU_H
#define TARVELLO_MAIN_MENU_H

#include <memory>

#include "SDL_Engine/MusicHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/TunnelEffect.h"
#include "SDL_Engine/cMenu.h"
#include "screens/MenuScreen.h"

// The hub of the program: new game, options (full screen, music, sound) and exit, over the
// tunnel with the logo and the music.
class MainMenu final : public MenuScreen {
  public:
    enum Command {
        NewGame = 100,
        Exit = 102,
        ToggleFullscreen = 105,
        MusicOnOff = 106,
        SoundOnOff = 107
    };

    MainMenu();

    bool Init() override;
    void Cleanup() override;
    void Draw(SDL_Surface* screen) override;

  private:
    void Choose(int command) override;
    void SwitchMusic();

    std::unique_ptr<TunnelEffect> tunnel;
    cMenu mainList;
    cMenu optionsList;
    std::unique_ptr<MusicHolder> music;
    std::unique_ptr<SurfaceHolder> logo;
};

#endif
