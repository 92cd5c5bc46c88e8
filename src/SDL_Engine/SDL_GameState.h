#ifndef TARVELLO_SDL_GAME_STATE_H
#define TARVELLO_SDL_GAME_STATE_H

#include <SDL.h>

#include <memory>

#include "SDL_Engine/FrameKey.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/WidgetList.h"

// The base of every screen. The engine owns each state it is given and calls these operations
// only while the state is on top of the stack.
class SDL_GameState {
  public:
    SDL_GameState();
    virtual ~SDL_GameState() = default;

    SDL_GameState(const SDL_GameState&) = delete;
    SDL_GameState& operator=(const SDL_GameState&) = delete;

    // Loads what the screen needs; false stops the program with exit code 4.
    virtual bool Init() = 0;
    virtual void Cleanup() {}
    virtual void Pause() {}
    virtual void Resume() {}
    virtual void HandleKeyDown(SDL_Event*) {}
    virtual void HandleKeyUp(SDL_Event*) {}
    // The pointer's events go to the screen's widgets.
    virtual void HandleMouseMotion(SDL_Event* event);
    virtual void HandleMouseButtonUp(SDL_Event* event);
    virtual void HandleMouseButtonDown(SDL_Event* event);
    virtual void HandleUserEvent(SDL_Event*) {}
    virtual void Update() {}
    // The opening reveal: the screen opens from its centre over about 20 frames.
    virtual void Draw(SDL_Surface* screen);

    const SDL_Rect& GetOpenRect() const { return openRect; }

    // The time before which no screen takes its next reveal step; one value for all screens.
    static Uint32 NextRevealTime();
    static void SetNextRevealTime(Uint32 ticks);

  protected:
    // Whether the frame about to be drawn repeats the last one drawn, pixel for pixel: the same
    // key on the same screen, which still shows it (the last frame was drawn whole and there is
    // no second buffer that flips). Remembers the key for the next frame.
    bool RepeatsLastFrame(SDL_Surface* screen, const FrameKey& key);
    // Something else drew on the screen: the next frame is drawn whole.
    void ForgetLastFrame() { lastScreen = nullptr; }

    SDL_Rect openRect;
    std::unique_ptr<SurfaceHolder> background;  // may be null
    WidgetList widgets;

  private:
    FrameKey lastKey;
    const SDL_Surface* lastScreen = nullptr;  // borrowed: only compared
};

#endif
