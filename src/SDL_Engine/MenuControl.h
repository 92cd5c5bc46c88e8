#ifndef TARVELLO_MENU_CONTROL_H
#define TARVELLO_MENU_CONTROL_H

class cMenu;

// The selection over a menu list: moves with wrap-around, chooses, and enters sub-menus.
class MenuControl {
  public:
    explicit MenuControl(cMenu* list);

    unsigned Next();
    unsigned Previous();
    // The chosen entry's id, or -1 when the entry opened its sub-menu (shown from its first entry).
    int Choose();
    // Lists the current entries on standard output, marking the selected one with " <-".
    virtual void Print();
    virtual ~MenuControl();

    unsigned GetSelected() const { return selected; }
    cMenu* GetCurrentList() const { return currentList; }

  protected:
    unsigned selected;
    cMenu* currentList;  // borrowed from the screen
};

#endif
