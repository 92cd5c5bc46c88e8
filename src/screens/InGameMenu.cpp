#include "screens/InGameMenu.h"

#include "SDL_Engine/SDL_Engine.h"
#include "screens/MainMenu.h"

InGameMenu::InGameMenu() {
    list.AddItem(AbortGame, "Abort Game");
    list.AddItem(ResumeGame, "Resume Game");
    list.AddItem(ExitGame, "Exit Game");
}

bool InGameMenu::Init() {
    OpenMenu(&list);
    LoadSounds();
    return true;
}

void InGameMenu::Choose(int command) {
    switch (command) {
        case ResumeGame:
            SDL_Engine::GetInstance()->PopState();
            return;  // the menu is gone
        case AbortGame:
            SDL_Engine::GetInstance()->ChangeState(new MainMenu());
            return;  // the menu and the game are gone
        case ExitGame:
            SDL_Engine::GetInstance()->Quit(kExitNormal);
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
