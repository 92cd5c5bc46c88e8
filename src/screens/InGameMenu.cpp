#include "screens/InGameMenu.h"

#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/SoundHolder.h"
#include "screens/MainMenu.h"
#include "screens/MenuScreenParts.h"

InGameMenu::InGameMenu() : menu(nullptr), selectSound(nullptr), confirmSound(nullptr) {
    list.AddItem(AbortGame, "Abort Game");
    list.AddItem(ResumeGame, "Resume Game");
    list.AddItem(ExitGame, "Exit Game");
}

InGameMenu::~InGameMenu() { Cleanup(); }

bool InGameMenu::Init() {
    menu = CreateGameMenu(&list);
    selectSound = new SoundHolder("data/sfx/item_sel.wav");
    confirmSound = new SoundHolder("data/sfx/item_ok.wav");
    return true;
}

void InGameMenu::Cleanup() {
    delete menu;
    menu = nullptr;
    delete selectSound;
    selectSound = nullptr;
    delete confirmSound;
    confirmSound = nullptr;
}

void InGameMenu::HandleKeyDown(SDL_Event* event) {
    const SDLKey key = event->key.keysym.sym;
    if (MoveMenuSelection(menu, selectSound, key)) return;
    if (key == SDLK_RETURN) Confirm();  // the menu may be gone afterwards
}

void InGameMenu::Confirm() {
    confirmSound->Play();
    switch (menu->Choose()) {
        case ResumeGame:
            SDL_Engine::GetInstance()->PopState();
            return;  // the menu is gone
        case AbortGame:
            SDL_Engine::GetInstance()->ChangeState(new MainMenu());
            return;  // the menu and the game are gone
        case ExitGame:
            SDL_Engine::GetInstance()->Quit(0);
            return;
        default:
            return;
    }
}

void InGameMenu::Draw(SDL_Surface* screen) {
    if (!screen) return;
    // The game's opening reveal may still be under way; the panel is drawn whole regardless.
    SDL_SetClipRect(screen, nullptr);
    FrameKey key;
    key << static_cast<int>(menu->GetSelected());
    if (RepeatsLastFrame(screen, key)) return;
    menu->Draw(screen);
}
