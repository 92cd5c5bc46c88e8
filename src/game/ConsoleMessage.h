#ifndef TARVELLO_CONSOLE_MESSAGE_H
#define TARVELLO_CONSOLE_MESSAGE_H

#include <SDL.h>

#include <string>

// A timed notice for the message panel.
struct ConsoleMessage {
    std::string text;  // "\n" breaks the line
    Uint32 start;      // tick when first shown; 0 until it reaches the front of the queue
    Uint32 duration;   // ms it stays once shown
};

#endif
