#ifndef TARVELLO_TESTS_SCREEN_DRIVER_H
#define TARVELLO_TESTS_SCREEN_DRIVER_H

#include <SDL.h>

#include <functional>
#include <string>

#include "SDL_Engine/SDL_Engine.h"
#include "support/FakeClock.h"

// The real engine under the dummy drivers on fake time, played through SDL's own event queue as
// a person would: keys, typing, mouse moves and clicks at window coordinates, frames of time.
class ScreenDriver {
  public:
    // Creates the engine (and resets the exit code and the music and sound switches).
    explicit ScreenDriver(Uint32 start = 1000);
    // Destroys the engine if the test has not done so already.
    ~ScreenDriver();

    ScreenDriver(const ScreenDriver&) = delete;
    ScreenDriver& operator=(const ScreenDriver&) = delete;

    SDL_Engine* Engine() const { return SDL_Engine::GetInstance(); }
    SDL_Surface* Screen() const { return Engine()->GetScreen(); }
    template <class State>
    State* Top() const {
        return dynamic_cast<State*>(Engine()->TopState());
    }

    // Advances the fake clock by step and runs one pass of the main loop, count times.
    void Frames(int count, Uint32 step = 20);
    // Runs passes of step ms until done() holds or limit ms have passed; tells whether it held.
    bool RunUntil(const std::function<bool()>& done, Uint32 limit, Uint32 step = 20);

    // Each of these puts one event on SDL's queue and runs the pass that handles it, after
    // advancing the clock by one logic step (so the screen updates and draws in that pass).
    void Key(SDLKey key, SDLMod mod = KMOD_NONE);
    // Handles one key with no time passing, so no update runs after it.
    void KeyAtOnce(SDLKey key);
    void Type(const std::string& text);
    void Move(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    // Moves there, presses and releases, then runs one more pass for the button's user event.
    void Click(int x, int y);
    void Post(SDL_Event event, Uint32 step = 20);

    // Ends the program as the entry point does: the engine is destroyed; the printed lines stay.
    void Shutdown();

  private:
    void MouseButton(Uint8 type, int x, int y);

    FakeClock clock;
};

#endif
