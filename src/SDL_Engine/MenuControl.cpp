#include "SDL_Engine/MenuControl.h"

#include <cstdio>

#include "SDL_Engine/cMenu.h"

MenuControl::MenuControl(cMenu* list) : selected(0), currentList(list) {}

MenuControl::~MenuControl() { currentList = nullptr; }

namespace {
unsigned EntryCount(cMenu* list) { return list ? list->Size() : 0; }
}  // namespace

// An empty list keeps the selection at 0 rather than wrapping to an entry that does not exist.
unsigned MenuControl::Next() {
    const unsigned count = EntryCount(currentList);
    if (count == 0) return selected = 0;
    selected = selected + 1 >= count ? 0 : selected + 1;
    return selected;
}

unsigned MenuControl::Previous() {
    const unsigned count = EntryCount(currentList);
    if (count == 0) return selected = 0;
    selected = selected == 0 || selected >= count ? count - 1 : selected - 1;
    return selected;
}

int MenuControl::Choose() {
    if (selected >= EntryCount(currentList)) return -1;
    const MenuItem& entry = currentList->At(selected);
    if (!entry.GetSubMenu()) return entry.GetId();
    currentList = entry.GetSubMenu();
    selected = 0;
    return -1;
}

void MenuControl::Print() {
    const unsigned count = EntryCount(currentList);
    for (unsigned i = 0; i < count; ++i) {
        std::fputs(currentList->At(i).GetText().c_str(), stdout);
        if (i == selected) std::fputs(" <-", stdout);
        std::fputs("\n", stdout);
    }
}
