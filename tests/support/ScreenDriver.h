#ifndef TARVELLO_TESTS_SCREEN_DRIVER_H
#define TARVELLO_TESTS_SCREEN_DRIVER_H

#include <SDL.h>

#include <functional>
#include <string>

#include "SDL_Engine/SDL_Engine.h"
#include "support/FakeClock.h"

// The real engine under the dummy drivers on fake time, played through SDL's own event queue as
// a person would: keys, typing, mouse moves and clicks at window coordinates, frames of time.
// Each input runs the pass that handles it after one logic step, so the screen updates and draws.
class ScreenDriver {
  public:
    static const int kHuman = 1;
    static const int kComputer = 0;
    static const int kEmpty = -1;

    // Creates the engine (and resets the exit code and the music and sound switches).
    ScreenDriver();
    // Destroys the engine as the entry point does; the printed lines stay.
    ~ScreenDriver() { SDL_Engine::DestroyInstance(); }
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
    void Post(SDL_Event event, Uint32 step = 20);
    void UserEvent(Uint8 type, int code);
    void Key(SDLKey key, SDLMod mod = KMOD_NONE);
    void Type(const std::string& text);
    void Move(int x, int y);
    void Press(int x, int y);
    void Release(int x, int y);
    // Moves there, presses and releases, then runs one more pass for the button's user event.
    void Click(int x, int y);

    // The ways between the screens, from the start of the program.
    void StartIntro();
    void ToMainMenu();
    void ToSetup();
    // On the setup screen: clicks the seat's name box and types; ticks the control unless empty.
    void FillSeat(int seat, const std::string& name, int control);
    void ClickStart() { Click(237 + 60, 187 + 25); }
    // A game of the given controls per seat (kEmpty leaves one empty) with four fixed names.
    void ToGame(const int controls[4]);

    // Called after every pass of the main loop, when set.
    std::function<void()> afterPass;

  private:
    void MouseButton(Uint8 type, int x, int y);

    FakeClock clock;
};

#endif
