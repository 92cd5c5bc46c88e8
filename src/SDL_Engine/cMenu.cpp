#include "SDL_Engine/cMenu.h"

#include <cstdio>
#include <cstdlib>

namespace {
// Stops the program like a failed assertion, but in every build: a bad index is a programming
// error, and reading past the list would only fail later and further from the cause.
[[noreturn]] void FailIndexCheck(const char* file, int line, const char* function) {
    std::fprintf(stderr, "%s:%d: %s: Assertion `index >= 0 && index < MenuList.size()' failed.\n",
                 file, line, function);
    std::fflush(stderr);
    std::abort();
}
}  // namespace

void cMenu::AddItem(int id, const char* text) {
    MenuList.emplace_back(id, nullptr, text ? text : "");
}

void cMenu::AddSubMenu(const char* text, cMenu* sub) {
    MenuList.emplace_back(0, sub, text ? text : "");
}

unsigned cMenu::Size() { return static_cast<unsigned>(MenuList.size()); }

MenuItem& cMenu::At(unsigned index) {
    if (index >= MenuList.size()) {
        FailIndexCheck("src/SDL_Engine/cMenu.cpp", __LINE__, "MenuItem& cMenu::At(unsigned)");
    }
    return MenuList[index];
}
