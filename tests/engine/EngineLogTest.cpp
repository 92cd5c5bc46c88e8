#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <typeinfo>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "support/FakeClock.h"
#include "support/RecordingState.h"

namespace {

std::string Version() {
    const SDL_version* v = SDL_Linked_Version();
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u", v->major, v->minor, v->patch);
    return text;
}

std::string LeakReport(int surfaces) {
    return "SDL_Engine::Resource Leaked:\nSDL_Surface : " + std::to_string(surfaces) +
           "\nTTF_Font    : 0\nMix_Music   : 0\nMix_Chunk   : 0\n";
}

TEST(EngineLog, ARunPrintsItsLinesByteForByte) {
    FakeClock clock(0);
    ExitCode = 0;
    const std::string name = typeid(RecordingState).name();
    testing::internal::CaptureStdout();
    SDL_Engine::CreateInstance("Tarvello");
    SDL_Engine* engine = SDL_Engine::GetInstance();
    engine->PushState(new RecordingState("a"));
    engine->ChangeState(new RecordingState("b"));
    engine->PushState(new RecordingState("c"));
    engine->PopState();
    engine->ToggleFullScreen();
    engine->ToggleFullScreen();
    clock.Set(12345);
    engine->Quit(0);
    engine->MainLoop();
    SDL_Engine::DestroyInstance();
    const std::string printed = testing::internal::GetCapturedStdout();

    const std::string expected =
        "SDL_Engine Initialized\n"
        "SDL_Engine: SDL_Initialized\n"
        "SDL_Engine: SDL Version: " +
        Version() +
        "\n"
        "SDL_Engine: SDL_Video Initialized\n"
        "---Window Width : 600\n"
        "---Window Height: 600\n"
        "---Color Depth  : 32\n"
        "SDL_Engine: SDL_Mixer Initialized\n"
        "SDL_Engine: SDL_TTF Initialized\n"
        "SDL_Engine: Starting SDL_GameEngine\n"
        "SDL_Engine: Running SDL_Engine at 50 fps\n\n"
        "SDL_Engine: Starting MainLoop()\n"
        "---SDL_Engine::PushState(" +
        name +
        ")\n"
        "---SDL_Engine::ChangeState(" +
        name +
        ")\n"
        "---SDL_Engine::PushState(" +
        name +
        ")\n"
        "---SDL_Engine::PopState()\n"
        "---SDL_Engine::ToggleFullScreen()\n"
        "---SDL_Engine::ToggleFullScreen()\n"
        "SDL_Engine: Shutting down SDL_Engine\n"
        "SDL_Engine: Shutting down SDL_TTF\n"
        "SDL_Engine: Shutting down SDL_Mixer\n"
        "SDL_Engine: Shutting down SDL\n\n"
        "SDL_Engine: Run time: 12.35 seconds\n\n" +
        LeakReport(0);
    EXPECT_EQ(expected, printed);
}

TEST(EngineLog, LeakReportCountsASurfaceThatWasNeverFreed) {
    FakeClock clock(0);
    testing::internal::CaptureStdout();
    SDL_Engine::CreateInstance("Tarvello");
    SurfaceHolder* leaked = new SurfaceHolder(SDL_CreateRGBSurface(0, 4, 4, 32, 0, 0, 0, 0));
    SDL_Engine::DestroyInstance();
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, printed.find(LeakReport(1))) << printed;
    delete leaked;  // a plain software surface can still be freed after SDL has shut down
    EXPECT_EQ(0, SurfaceCount);
}

TEST(EngineLog, GetInstanceBeforeCreateInstanceRaises) {
    try {
        SDL_Engine::GetInstance();
        FAIL() << "no exception";
    } catch (const SDL_Exception& error) {
        EXPECT_STREQ("SDL_Exception::SDL_Engine: CreateInstance() should be called first!\n",
                     error.what());
    }
}

TEST(EngineLog, FullScreenToggleFlipsTheFlagEachTime) {
    FakeClock clock(0);
    testing::internal::CaptureStdout();
    SDL_Engine::CreateInstance("Tarvello");
    SDL_Engine* engine = SDL_Engine::GetInstance();
    EXPECT_EQ(0x50000000u, engine->GetVideoFlags());
    engine->ToggleFullScreen();
    EXPECT_EQ(0xD0000000u, engine->GetVideoFlags());
    engine->ToggleFullScreen();
    EXPECT_EQ(0x50000000u, engine->GetVideoFlags());
    EXPECT_NE(nullptr, engine->GetScreen());
    SDL_Engine::DestroyInstance();
    testing::internal::GetCapturedStdout();
}

}  // namespace
