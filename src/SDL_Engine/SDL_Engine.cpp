#include "SDL_Engine/SDL_Engine.h"

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <typeinfo>
#include <utility>

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/UserEvent.h"
#include "SDL_Engine/WindowSize.h"

int ExitCode = 0;

namespace {
// Not a unique_ptr: a fatal error ends the program at once, without the shutdown an owner would
// run at exit.
SDL_Engine* instance = nullptr;

const Uint32 kStartFlags = SDL_DOUBLEBUF | SDL_ANYFORMAT;

void Line(const char* text) { std::printf("%s\n", text); }
}  // namespace

void SDL_Engine::CreateInstance(const std::string& title) {
    if (!instance) instance = new SDL_Engine(title);
    instance->Init();
}

SDL_Engine* SDL_Engine::GetInstance() {
    if (!instance) throw SDL_Exception("SDL_Engine: CreateInstance() should be called first!");
    return instance;
}

void SDL_Engine::DestroyInstance() {
    delete instance;
    instance = nullptr;
}

SDL_Engine::SDL_Engine(const std::string& windowTitle)
    : running(true), startTime(0), videoFlags(kStartFlags), screen(nullptr), title(windowTitle) {
    Line("SDL_Engine Initialized");
}

void SDL_Engine::Init() {
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        Quit(kExitSdlFailed);
        throw SDL_Exception(SDL_GetError());
    }
    // Once per process, however many engines it makes.
    static const int quitRegistered = std::atexit(SDL_Quit);
    static_cast<void>(quitRegistered);
    startTime = Clock::Ticks();
    timer.nextStep = startTime;
    Line("SDL_Engine: SDL_Initialized");

    // A second CreateInstance sets the mode again: the new window shows none of the old frame.
    window.Forget();
    screen = SDL_SetVideoMode(kWindowWidth, kWindowHeight, kWindowDepth, videoFlags);
    if (!screen) {
        Quit(kExitVideoModeFailed);
        throw SDL_Exception(SDL_GetError());
    }
    const SDL_version* version = SDL_Linked_Version();
    std::printf("SDL_Engine: SDL Version: %u.%u.%u\n", version->major, version->minor,
                version->patch);
    Line("SDL_Engine: SDL_Video Initialized");
    std::printf("---Window Width : %d\n", screen->w);
    std::printf("---Window Height: %d\n", screen->h);
    std::printf("---Color Depth  : %d\n", screen->format->BitsPerPixel);

    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) < 0) {
        Quit(kExitAudioFailed);
        throw SDL_Exception(SDL_GetError());
    }
    Line("SDL_Engine: SDL_Mixer Initialized");
    if (TTF_Init() < 0) {
        Quit(kExitFontLibraryFailed);
        throw SDL_Exception(SDL_GetError());
    }
    Line("SDL_Engine: SDL_TTF Initialized");
    SDL_WM_SetCaption(title.c_str(), nullptr);

    Line("SDL_Engine: Starting SDL_GameEngine");
    std::printf("SDL_Engine: Running SDL_Engine at %d fps\n\n", 1000 / timer.step);
    Line("SDL_Engine: Starting MainLoop()");
}

SDL_Engine::~SDL_Engine() {
    Line("SDL_Engine: Shutting down SDL_Engine");
    while (!states.empty()) states.pop_back();
    Line("SDL_Engine: Shutting down SDL_TTF");
    TTF_Quit();
    Line("SDL_Engine: Shutting down SDL_Mixer");
    Mix_CloseAudio();
    // Read while SDL still runs: some SDLs start their tick count again once they are shut down.
    const Uint32 runTime = Clock::Ticks() - startTime;
    Line("SDL_Engine: Shutting down SDL\n");
    SDL_Quit();
    std::printf("SDL_Engine: Run time: %.2f seconds\n\n", runTime / 1000.0);
    Line("SDL_Engine::Resource Leaked:");
    std::printf("SDL_Surface : %d\n", SurfaceCount);
    std::printf("TTF_Font    : %d\n", FontCount);
    std::printf("Mix_Music   : %d\n", MusicCount);
    std::printf("Mix_Chunk   : %d\n", ChunkCount);
    std::fflush(stdout);
}

void SDL_Engine::MainLoop() {
    if (!running) return;
    while (RunFrame()) {
    }
    Line("SDL_Engine: Exiting MainLoop()");
}

bool SDL_Engine::RunFrame() {
    SDL_Event event;
    if (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            Quit(kExitNormal);
        } else {
            Dispatch(&event);
        }
    }
    timer.now = Clock::Ticks();
    if (!StepDue()) {
        Clock::Delay(1);
        return running;
    }
    while (StepDue()) {
        timer.nextStep += timer.step;
        if (!states.empty()) states.back()->Update();
    }
    if (!states.empty()) {
        states.back()->Draw(screen);
        window.Show(screen);
    }
    return running;
}

// The tick count wraps after 49.7 days; the signed difference keeps the comparison right across it.
bool SDL_Engine::StepDue() const { return static_cast<Sint32>(timer.now - timer.nextStep) > 0; }

void SDL_Engine::Dispatch(SDL_Event* event) {
    if (states.empty()) return;
    SDL_GameState* top = states.back().get();
    switch (event->type) {
        case SDL_KEYDOWN:
            top->HandleKeyDown(event);
            break;
        case SDL_KEYUP:
            top->HandleKeyUp(event);
            break;
        case SDL_MOUSEMOTION:
            top->HandleMouseMotion(event);
            break;
        case SDL_MOUSEBUTTONDOWN:
            top->HandleMouseButtonDown(event);
            break;
        case SDL_MOUSEBUTTONUP:
            top->HandleMouseButtonUp(event);
            break;
        case kSignalEvent:
        case kButtonEvent:
            top->HandleUserEvent(event);
            break;
        default:
            break;
    }
}

void SDL_Engine::CleanupAndDelete::operator()(SDL_GameState* state) const {
    state->Cleanup();
    delete state;
}

// A state whose Init raises, or a refused one that never reaches the stack, leaves with its guard.
void SDL_Engine::PushState(SDL_GameState* state) {
    std::printf("---SDL_Engine::PushState(%s)\n", typeid(*state).name());
    StatePtr started(state);
    if (!started->Init()) Quit(kExitScreenInitFailed);
    if (!states.empty()) states.back()->Pause();
    states.push_back(std::move(started));
}

void SDL_Engine::ChangeState(SDL_GameState* state) {
    std::printf("---SDL_Engine::ChangeState(%s)\n", typeid(*state).name());
    StatePtr started(state);
    if (!started->Init()) {
        Quit(kExitScreenInitFailed);
        return;
    }
    while (!states.empty()) states.pop_back();
    states.push_back(std::move(started));
}

void SDL_Engine::PopState() {
    Line("---SDL_Engine::PopState()");
    if (!states.empty()) states.pop_back();
    if (states.empty()) {
        Quit(kExitNormal);
    } else {
        states.back()->Resume();
    }
}

void SDL_Engine::Quit(int code) {
    ExitCode = code;
    running = false;
}

void SDL_Engine::ToggleFullScreen() {
    Line("---SDL_Engine::ToggleFullScreen()");
    videoFlags ^= SDL_FULLSCREEN;
    window.Forget();
    screen = SDL_SetVideoMode(kWindowWidth, kWindowHeight, 0, videoFlags);
    if (!screen) {
        Quit(kExitVideoModeFailed);
        throw SDL_Exception(SDL_GetError());
    }
}
