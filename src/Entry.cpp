#include "Entry.h"

#include <cstdio>
#include <exception>
#include <string>

#include "SDL_Engine/SDL_Engine.h"
#include "screens/cIntroState.h"

namespace {
// An exception that ends the game is a failure even when nothing had set an exit code yet.
void MarkFailure() {
    if (ExitCode == kExitNormal) ExitCode = kExitUncaughtFailure;
}
}  // namespace

int SDL_main(int, char**) {
    try {
        std::string title = "Tarvello";
        SDL_Engine::CreateInstance(title);
        SDL_Engine::GetInstance()->PushState(new cIntroState());
        SDL_Engine::GetInstance()->MainLoop();
        SDL_Engine::DestroyInstance();
    } catch (const std::exception& error) {
        std::printf("%s", error.what());
        MarkFailure();
    } catch (...) {
        std::printf("SDL_Exception: Unknown Error...\n");
        MarkFailure();
    }
    std::fflush(stdout);
    return ExitCode;
}
