#ifndef TARVELLO_C_MENU_H
#define TARVELLO_C_MENU_H

#include <vector>

#include "SDL_Engine/MenuItem.h"

// The entries of one menu list, in the order the screen added them.
class cMenu {
  public:
    cMenu() = default;

    void AddItem(int id, const char* text);
    // An entry that opens another list instead of answering.
    void AddSubMenu(const char* text, cMenu* sub);
    unsigned Size();
    // An index not below Size() is a programming error: it ends the program in every build.
    MenuItem& At(unsigned index);

  private:
    std::vector<MenuItem> MenuList;
};

#endif
