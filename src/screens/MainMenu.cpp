#include "screens/MainMenu.h"

#include <SDL_mixer.h>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/WindowSize.h"
#include "game/DataFiles.h"
#include "screens/PlayerSetup.h"

MainMenu::MainMenu() {
    optionsList.AddItem(ToggleFullscreen, "Toggle Fullscreen");
    optionsList.AddItem(MusicOnOff, "Music On/Off");
    optionsList.AddItem(SoundOnOff, "Sound On/Off");
    optionsList.AddSubMenu("Back", &mainList);
    mainList.AddItem(NewGame, "New Game");
    mainList.AddSubMenu("Options", &optionsList);
    mainList.AddItem(Exit, "Exit");
}

bool MainMenu::Init() {
    logo = std::make_unique<SurfaceHolder>(DataFiles::kLogo);
    music = std::make_unique<MusicHolder>(DataFiles::kMenuMusic);
    OpenMenu(&mainList);
    tunnel = std::make_unique<TunnelEffect>(kWindowWidth, kWindowHeight, 1, 0,
                                            DataFiles::kTunnelTexture);
    LoadSounds();
    music->Play();
    return true;
}

void MainMenu::Cleanup() {
    tunnel.reset();
    MenuScreen::Cleanup();
    music.reset();
    logo.reset();
}

void MainMenu::Choose(int command) {
    switch (command) {
        case NewGame:
            SDL_Engine::GetInstance()->ChangeState(new PlayerSetup());
            return;  // the menu is gone
        case Exit:
            SDL_Engine::GetInstance()->Quit(kExitNormal);
            return;
        case ToggleFullscreen:
            SDL_Engine::GetInstance()->ToggleFullScreen();
            return;
        case MusicOnOff:
            SwitchMusic();
            return;
        case SoundOnOff:
            SoundEnabled = !SoundEnabled;
            return;
        default:
            return;  // a sub-menu opened
    }
}

void MainMenu::SwitchMusic() {
    if (MusicEnabled) {
        MusicEnabled = false;
        Mix_HaltMusic();
    } else {
        MusicEnabled = true;
        music->Play();
    }
}

void MainMenu::Draw(SDL_Surface* screen) {
    if (!screen) return;
    // This screen has no opening reveal; one cut short by leaving the last screen early must
    // not keep clipping it.
    SDL_SetClipRect(screen, nullptr);
    tunnel->Draw(screen);
    logo->DrawOn(screen, (kWindowWidth - logo->Get()->w) / 2, 40);
    menu->Draw(screen);
}
