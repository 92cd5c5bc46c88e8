#ifndef TARVELLO_ENTRY_H
#define TARVELLO_ENTRY_H

// Runs the whole game: engine, intro and main loop; returns the process exit status.
// The start-up code calls it: our main, or on Windows SDL's own WinMain, which expects it with
// C linkage as SDL_main.h declares it there.
extern "C" int SDL_main(int argc, char** argv);

#endif
