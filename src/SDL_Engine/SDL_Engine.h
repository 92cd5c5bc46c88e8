#ifndef TARVELLO_SDL_ENGINE_H
#define TARVELLO_SDL_ENGINE_H

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "SDL_Engine/FrameTimer.h"
#include "SDL_Engine/SDL_GameState.h"
#include "SDL_Engine/WindowUpdater.h"

// The process exit status, set by Quit.
extern int ExitCode;

// What the exit status says.
enum ExitStatus {
    kExitNormal = 0,
    kExitSdlFailed = 1,          // SDL did not start
    kExitVideoModeFailed = 2,    // the window could not be opened, or not switched
    kExitUncaughtFailure = 3,    // an error ended the game before anything set a status
    kExitScreenInitFailed = 4,   // a screen could not ready itself
    kExitAudioFailed = 6,        // the audio device did not open
    kExitFontLibraryFailed = 7,  // the font library did not start
};

// The one object that runs the program: SDL, the window, the mixer, the fonts, the stack of
// screens and the main loop at 50 logic steps a second.
class SDL_Engine {
  public:
    // Creates the engine on the first call; every call runs Init. Failures raise SDL_Exception.
    static void CreateInstance(const std::string& title);
    // Raises SDL_Exception when no engine exists.
    static SDL_Engine* GetInstance();
    static void DestroyInstance();

    void MainLoop();
    // One pass: at most one event, the due updates, then a draw if any update ran.
    bool RunFrame();

    // The engine takes ownership of every state given to it.
    void PushState(SDL_GameState* state);
    void ChangeState(SDL_GameState* state);
    void PopState();

    void Quit(int code);
    void ToggleFullScreen();

    bool IsRunning() const { return running; }
    std::size_t StateCount() const { return states.size(); }
    SDL_GameState* TopState() const { return states.empty() ? nullptr : states.back().get(); }
    SDL_Surface* GetScreen() const { return screen; }
    Uint32 GetVideoFlags() const { return videoFlags; }

  private:
    // A state leaves as the engine lets it go: cleaned up, then deleted.
    struct CleanupAndDelete {
        void operator()(SDL_GameState* state) const;
    };
    using StatePtr = std::unique_ptr<SDL_GameState, CleanupAndDelete>;

    explicit SDL_Engine(const std::string& windowTitle);
    ~SDL_Engine();

    SDL_Engine(const SDL_Engine&) = delete;
    SDL_Engine& operator=(const SDL_Engine&) = delete;

    void Init();
    void Dispatch(SDL_Event* event);
    // True while the tick count is past the next logic step.
    bool StepDue() const;

    bool running;
    Uint32 startTime;
    FrameTimer timer;
    WindowUpdater window;
    Uint32 videoFlags;
    SDL_Surface* screen;  // owned by SDL
    std::string title;
    std::vector<StatePtr> states;  // the last is the top
};

#endif
