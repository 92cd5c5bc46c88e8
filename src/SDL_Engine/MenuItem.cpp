#include "SDL_Engine/MenuItem.h"

MenuItem::MenuItem(int id, cMenu* subMenu, const std::string& text)
    : id(id), subMenu(subMenu), text(text) {}
