#ifndef TARVELLO_MENU_ITEM_H
#define TARVELLO_MENU_ITEM_H

#include <string>

class cMenu;

// One entry of a menu: the command number it answers with, or a list it opens instead.
class MenuItem {
  public:
    MenuItem(int itemId, cMenu* itemSubMenu, const std::string& itemText);

    int GetId() const { return id; }
    cMenu* GetSubMenu() const { return subMenu; }
    const std::string& GetText() const { return text; }

  private:
    int id;
    cMenu* subMenu;  // borrowed, may be null
    std::string text;
};

#endif
