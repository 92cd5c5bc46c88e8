#ifndef TARVELLO_MENU_SCREEN_PARTS_H
#define TARVELLO_MENU_SCREEN_PARTS_H

#include <SDL.h>

class SDL_Menu;
class SoundHolder;
class cMenu;

// What the game's two keyboard menus (the main menu and the pause menu) share: their look and
// the arrow keys.

// A menu on list in the game's menu font and colours; the caller owns it.
SDL_Menu* CreateGameMenu(cMenu* list);

// Up and Down move the selection with the select sound; false for every other key.
bool MoveMenuSelection(SDL_Menu* menu, SoundHolder* selectSound, SDLKey key);

#endif
