#ifndef TARVELLO_WINDOW_SIZE_H
#define TARVELLO_WINDOW_SIZE_H

// The game's window, which every screen and every full-window picture is drawn for.
constexpr int kWindowWidth = 600;
constexpr int kWindowHeight = 600;
// Bits per pixel the window asks for at start; the full-screen toggle takes the desktop's.
constexpr int kWindowDepth = 32;

#endif
