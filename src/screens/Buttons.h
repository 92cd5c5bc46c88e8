#ifndef TARVELLO_BUTTONS_H
#define TARVELLO_BUTTONS_H

#include <memory>

#include "SDL_Engine/SDL_Button.h"
#include "game/Commands.h"

// The push button the layout describes.
inline std::unique_ptr<SDL_Button> MakeButton(const ButtonLayout& layout) {
    return std::make_unique<SDL_Button>(layout.picture, layout.x, layout.y, layout.width,
                                        layout.height, layout.code);
}

#endif
