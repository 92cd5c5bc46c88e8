#include "SDL_Engine/MenuItem.h"

MenuItem::MenuItem(int itemId, cMenu* itemSubMenu, const std::string& itemText)
    : id(itemId), subMenu(itemSubMenu), text(itemText) {}
