#ifndef TARVELLO_ENTRY_H
#define TARVELLO_ENTRY_H

// Runs the whole game: engine, intro and main loop; returns the process exit status.
int SDL_main(int argc, char** argv);

#endif
