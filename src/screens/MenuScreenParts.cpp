#include "screens/MenuScreenParts.h"

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/SoundHolder.h"
#include "SDL_Engine/Text.h"

SDL_Menu* CreateGameMenu(cMenu* list) {
    const SDL_Color panel = Rgb(255, 255, 255);
    const SDL_Color text = Rgb(102, 154, 246);
    return new SDL_Menu(list, new FontHolder("data/fonts/Jester.ttf", 24), panel, text);
}

bool MoveMenuSelection(SDL_Menu* menu, SoundHolder* selectSound, SDLKey key) {
    if (key != SDLK_UP && key != SDLK_DOWN) return false;
    selectSound->Play();
    if (key == SDLK_UP) {
        menu->Previous();
    } else {
        menu->Next();
    }
    return true;
}
