#include "screens/MainMenu.h"

#include <SDL_mixer.h>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Engine.h"
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
    logo = std::make_unique<SurfaceHolder>("data/gfx/Tarvello.png");
    music = std::make_unique<MusicHolder>("data/music/BGM.ogg");
    OpenMenu(&mainList);
    tunnel = std::make_unique<TunnelEffect>(600, 600, 1, 0, "data/gfx/background.png");
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
            SDL_Engine::GetInstance()->Quit(0);
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
    logo->DrawOn(screen, (600 - logo->Get()->w) / 2, 40);
    menu->Draw(screen);
}
