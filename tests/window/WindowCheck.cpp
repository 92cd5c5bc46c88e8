// Plays the screens in a real X window and reads the window back after every drawn pass: what
// the window shows must be the screen surface, however few rows each frame sends.
// Run by window_updates.sh under its own Xvfb; exits 0 when every frame matched.

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Engine.h"
#include "game/PlayerInfo.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cGameSession.h"
#include "screens/cIntroState.h"

namespace {

Uint32 fakeNow = 1000;
Uint32 FakeTicks() { return fakeNow; }
void FakeDelay(Uint32 ms) { fakeNow += ms; }

// A colour channel of an X pixel, scaled to 8 bits whatever its mask.
unsigned Channel(unsigned long pixel, unsigned long mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!(mask >> shift & 1)) ++shift;
    const unsigned long top = mask >> shift;
    return static_cast<unsigned>(((pixel & mask) >> shift) * 255 / top);
}

int checked = 0;
int failures = 0;

// The first pixel where the window and the screen surface differ, if any.
bool WindowShowsScreen(const char* what) {
    SDL_Surface* screen = SDL_Engine::GetInstance()->GetScreen();
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1) {
        std::printf("FAIL %s: no window information\n", what);
        return false;
    }
    info.info.x11.lock_func();
    XImage* image = XGetImage(info.info.x11.display, info.info.x11.window, 0, 0, screen->w,
                              screen->h, AllPlanes, ZPixmap);
    info.info.x11.unlock_func();
    if (!image) {
        std::printf("FAIL %s: the window cannot be read\n", what);
        return false;
    }
    bool same = true;
    SDL_LockSurface(screen);
    for (int y = 0; y < screen->h && same; ++y) {
        for (int x = 0; x < screen->w && same; ++x) {
            const Uint8* p = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch +
                             x * screen->format->BytesPerPixel;
            Uint32 pixel = 0;
            std::memcpy(&pixel, p, screen->format->BytesPerPixel);
            Uint8 r, g, b;
            SDL_GetRGB(pixel, screen->format, &r, &g, &b);
            const unsigned long shownPixel = XGetPixel(image, x, y);
            const unsigned sr = Channel(shownPixel, image->red_mask);
            const unsigned sg = Channel(shownPixel, image->green_mask);
            const unsigned sb = Channel(shownPixel, image->blue_mask);
            if (sr != r || sg != g || sb != b) {
                std::printf("FAIL %s: pixel %d,%d is %u,%u,%u in the window, %u,%u,%u drawn\n",
                            what, x, y, sr, sg, sb, r, g, b);
                same = false;
            }
        }
    }
    SDL_UnlockSurface(screen);
    XDestroyImage(image);
    ++checked;
    if (!same) ++failures;
    return same;
}

// Passes of the real main loop, 20 ms apart so each one draws, checked after each.
void Passes(int count, const char* what) {
    for (int i = 0; i < count; ++i) {
        fakeNow += 20;
        SDL_Engine::GetInstance()->RunFrame();
        WindowShowsScreen(what);
    }
}

void Post(SDL_Event event, const char* what) {
    SDL_PushEvent(&event);
    Passes(1, what);
}

void Key(SDLKey key, const char* what) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    Post(event, what);
}

void Mouse(Uint8 type, int x, int y, const char* what) {
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
    } else {
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
    }
    Post(event, what);
}

void PlayScreens() {
    SDL_Engine* engine = SDL_Engine::GetInstance();
    engine->PushState(new cIntroState());
    Passes(40, "intro");
    Key(SDLK_ESCAPE, "intro to main menu");
    Passes(20, "tunnel");
    Key(SDLK_DOWN, "menu selection");
    Key(SDLK_RETURN, "options");
    Passes(5, "options");
    Key(SDLK_UP, "options selection");
    Key(SDLK_RETURN, "back");
    Key(SDLK_UP, "menu selection");
    Key(SDLK_UP, "menu selection");
    Key(SDLK_RETURN, "menu to setup");
    Passes(30, "setup reveal");
    Mouse(SDL_MOUSEMOTION, 297, 212, "start hovered");
    Passes(10, "setup still");
    engine->ChangeState(new cGameSession({{"Gale", 0, 1}, {"Rowan", 1, 0}}));
    Passes(40, "game reveal");
    Mouse(SDL_MOUSEBUTTONDOWN, 580, 550, "throw");
    Mouse(SDL_MOUSEBUTTONUP, 580, 550, "throw");
    Passes(60, "die rolling");
    Mouse(SDL_MOUSEBUTTONDOWN, 250, 250, "drag");
    for (int i = 1; i <= 20; ++i) Mouse(SDL_MOUSEMOTION, 250 + 5 * i, 250 - 3 * i, "drag");
    Mouse(SDL_MOUSEBUTTONUP, 350, 190, "drop");
    Passes(10, "game still");
    Key(SDLK_ESCAPE, "in-game menu");
    Passes(5, "in-game menu");
    Key(SDLK_DOWN, "in-game menu selection");
    Key(SDLK_RETURN, "resume");
    Passes(10, "resumed");
}

}  // namespace

int main() {
    Clock::SetSource(FakeTicks, FakeDelay);
    try {
        SDL_Engine::CreateInstance("Tarvello");
        PlayScreens();
        SDL_Engine::DestroyInstance();
    } catch (const std::exception& error) {
        std::printf("FAIL: %s\n", error.what());
        return 1;
    }
    const bool leaked = SurfaceCount || FontCount || MusicCount || ChunkCount;
    std::printf("%d frames checked, %d differed%s\n", checked, failures,
                leaked ? ", resources leaked" : "");
    return failures || leaked || checked == 0 ? 1 : 0;
}
