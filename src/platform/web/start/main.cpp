#include <cstdlib>

#include "Entry.h"

// In the browser the game's loop sleeps through Asyncify, and a main that has slept returns its
// value to nobody: the page would see status 0 whatever happened. exit() hands the status on.
int main(int argc, char** argv) { std::exit(SDL_main(argc, argv)); }
