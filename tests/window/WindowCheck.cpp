// Plays the screens in a real X window on fake time and reads the window back after every pass:
// what the window shows must be the screen surface, however few rows each frame sends.
// Run by play_in_window.sh on its Xvfb; exits 0 when every frame matched and nothing leaked.

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <stdexcept>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/ResourceCounters.h"
#include "screens/PlayerSetup.h"
#include "support/ScreenDriver.h"

namespace {

// A colour channel of an X pixel, scaled to 8 bits whatever its mask.
unsigned Channel(unsigned long pixel, unsigned long mask) {
    if (!mask) return 0;
    const int shift = __builtin_ctzl(mask);
    return static_cast<unsigned>(((pixel & mask) >> shift) * 255 / (mask >> shift));
}

// Compares the window with the screen; prints the first pixel that differs when asked.
bool WindowShowsScreen(SDL_Surface* screen, bool report) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1) return false;
    info.info.x11.lock_func();
    XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, 0, 0, screen->w,
                              screen->h, AllPlanes, ZPixmap);
    info.info.x11.unlock_func();
    if (!image) return false;
    bool same = true;
    for (int y = 0; y < screen->h && same; ++y) {
        for (int x = 0; x < screen->w && same; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(GetPixel(screen, x, y), screen->format, &r, &g, &b);
            const unsigned long shown = XGetPixel(image, x, y);
            same = Channel(shown, image->red_mask) == r && Channel(shown, image->green_mask) == g &&
                   Channel(shown, image->blue_mask) == b;
            if (!same && report) {
                std::printf("pixel %d,%d differs from the drawn %u,%u,%u\n", x, y, r, g, b);
            }
        }
    }
    XDestroyImage(image);
    return same;
}

// Waits up to a second for the frame to reach the window. Classic SDL sends changed rows to the
// window at once; sdl12-compat sends them at its next look at the event queue, which the game's
// next pass makes a millisecond later. A frame that never arrives is a stale window.
bool WindowReachesScreen(SDL_Surface* screen) {
    for (int wait = 0; wait < 100; ++wait) {
        if (WindowShowsScreen(screen, false)) return true;
        SDL_PumpEvents();
        SDL_Delay(10);
    }
    return WindowShowsScreen(screen, true);
}

// Every screen with its moving parts: fades, the tunnel, a menu, typing, a roll, a dragged
// board, the in-game menu over the game.
void PlayScreens(ScreenDriver& driver) {
    driver.StartIntro();
    driver.Frames(40);
    driver.Key(SDLK_ESCAPE);
    driver.Frames(20);
    driver.Keys({SDLK_DOWN, SDLK_RETURN});
    driver.Frames(5);
    driver.Keys({SDLK_UP, SDLK_RETURN, SDLK_RETURN});  // "Back", then "New Game"
    driver.Frames(30);
    if (!driver.Top<PlayerSetup>()) throw std::runtime_error("the setup screen did not open");
    driver.FillSeat(0, "Gale", ScreenDriver::kHuman);
    driver.FillSeat(1, "Rowan", ScreenDriver::kComputer);
    driver.Move(297, 212);
    driver.Frames(10);
    driver.ClickStart();
    driver.Frames(40);
    driver.Click(580, 550);
    driver.Frames(60);
    driver.Press(250, 250);
    for (int i = 1; i <= 20; ++i) driver.Move(250 + 5 * i, 250 - 3 * i);
    driver.Release(350, 190);
    driver.Frames(10);
    driver.Keys({SDLK_ESCAPE, SDLK_DOWN, SDLK_RETURN});
    driver.Frames(10);
}

}  // namespace

int main() {
    int checked = 0, differed = 0;
    try {
        ScreenDriver driver;
        driver.afterPass = [&] {
            ++checked;
            if (!WindowReachesScreen(driver.Screen())) ++differed;
        };
        PlayScreens(driver);
    } catch (const std::exception& error) {
        std::printf("FAIL: %s\n", error.what());
        return 1;
    }
    const bool leaked = SurfaceCount || FontCount || MusicCount || ChunkCount;
    std::printf("%d frames read back, %d differed%s\n", checked, differed,
                leaked ? ", resources leaked" : "");
    return differed || leaked || checked < 200 ? 1 : 0;
}
