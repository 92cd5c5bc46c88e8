#include "screens/MenuScreen.h"

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/Text.h"
#include "game/DataFiles.h"

void MenuScreen::OpenMenu(cMenu* list) {
    const SDL_Color panel = Rgb(255, 255, 255);
    const SDL_Color text = Rgb(102, 154, 246);
    menu = std::make_unique<SDL_Menu>(list, std::make_unique<FontHolder>(DataFiles::kTitleFont, 24),
                                      panel, text);
}

void MenuScreen::LoadSounds() {
    selectSound = std::make_unique<SoundHolder>(DataFiles::kSelectSound);
    confirmSound = std::make_unique<SoundHolder>(DataFiles::kConfirmSound);
}

void MenuScreen::Cleanup() {
    menu.reset();
    selectSound.reset();
    confirmSound.reset();
}

void MenuScreen::HandleKeyDown(SDL_Event* event) {
    const SDLKey key = event->key.keysym.sym;
    if (key == SDLK_UP || key == SDLK_DOWN) {
        selectSound->Play();
        if (key == SDLK_UP) {
            menu->Previous();
        } else {
            menu->Next();
        }
        return;
    }
    if (key != SDLK_RETURN) return;
    confirmSound->Play();
    Choose(menu->Choose());
    // the screen may be gone
}
