#ifndef TARVELLO_TESTS_SCREEN_DRIVER_H
#define TARVELLO_TESTS_SCREEN_DRIVER_H

#include <SDL.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "SDL_Engine/SDL_Engine.h"
#include "game/Commands.h"
#include "support/FakeClock.h"

// The real engine under the dummy drivers on fake time, played through SDL's own event queue as
// a person would. Each input runs the pass that handles it after one logic step, so the screen
// updates and draws in that pass.
class ScreenDriver {
  public:
    static const int kHuman = 1, kComputer = 0, kEmpty = -1;  // a seat's control

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
    void Post(SDL_Event event);
    void UserEvent(Uint8 type, int code);
    void Key(SDLKey key, SDLMod mod = KMOD_NONE);
    void Keys(std::initializer_list<SDLKey> keys) {
        for (SDLKey key : keys) Key(key);
    }
    void Type(const std::string& text);
    void Move(int x, int y) { Mouse(SDL_MOUSEMOTION, x, y); }
    void Press(int x, int y) { Mouse(SDL_MOUSEBUTTONDOWN, x, y); }
    void Release(int x, int y) { Mouse(SDL_MOUSEBUTTONUP, x, y); }
    // Moves there, presses and releases, then runs one more pass for the button's user event.
    void Click(int x, int y);
    void ClickOn(const ButtonLayout& button) {
        Click(button.x + button.width / 2, button.y + button.height / 2);
    }

    // The ways between the screens, from the start of the program.
    void StartIntro();
    void ToMainMenu();  // Escape on the intro
    void ToSetup();     // "New Game" in the main menu
    // On the setup screen: clicks the seat's name box and types; ticks the control unless empty.
    void FillSeat(int seat, const std::string& name, int control);
    void ClickStart() { ClickOn(kStartButton); }
    // A game of the given controls per seat, with four fixed names.
    void ToGame(const int controls[4]);

    std::function<void()> afterPass;  // called after every pass of the main loop, when set

  private:
    void Mouse(Uint8 type, int x, int y);

    FakeClock clock;
};

#endif
