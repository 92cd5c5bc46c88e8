#include "screens/MainMenu.h"

#include <SDL_mixer.h>

#include "SDL_Engine/MusicHolder.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/SoundHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/TunnelEffect.h"
#include "screens/MenuScreenParts.h"
#include "screens/PlayerSetup.h"

MainMenu::MainMenu()
    : tunnel(nullptr),
      menu(nullptr),
      music(nullptr),
      selectSound(nullptr),
      confirmSound(nullptr),
      logo(nullptr) {
    optionsList.AddItem(ToggleFullscreen, "Toggle Fullscreen");
    optionsList.AddItem(MusicOnOff, "Music On/Off");
    optionsList.AddItem(SoundOnOff, "Sound On/Off");
    optionsList.AddSubMenu("Back", &mainList);
    mainList.AddItem(NewGame, "New Game");
    mainList.AddSubMenu("Options", &optionsList);
    mainList.AddItem(Exit, "Exit");
}

MainMenu::~MainMenu() { Cleanup(); }

bool MainMenu::Init() {
    logo = new SurfaceHolder("data/gfx/Tarvello.png");
    music = new MusicHolder("data/music/BGM.ogg");
    menu = CreateGameMenu(&mainList);
    tunnel = new TunnelEffect(600, 600, 1, 0, "data/gfx/background.png");
    selectSound = new SoundHolder("data/sfx/item_sel.wav");
    confirmSound = new SoundHolder("data/sfx/item_ok.wav");
    music->Play();
    return true;
}

void MainMenu::Cleanup() {
    delete tunnel;
    tunnel = nullptr;
    delete menu;
    menu = nullptr;
    delete music;
    music = nullptr;
    delete logo;
    logo = nullptr;
    delete selectSound;
    selectSound = nullptr;
    delete confirmSound;
    confirmSound = nullptr;
}

void MainMenu::HandleKeyDown(SDL_Event* event) {
    const SDLKey key = event->key.keysym.sym;
    if (MoveMenuSelection(menu, selectSound, key)) return;
    if (key == SDLK_RETURN) Confirm();  // the menu may be gone afterwards
}

void MainMenu::Confirm() {
    confirmSound->Play();
    switch (menu->Choose()) {
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
