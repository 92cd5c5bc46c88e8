#ifndef TARVELLO_TESTS_ENGINE_FIXTURE_H
#define TARVELLO_TESTS_ENGINE_FIXTURE_H

#include <gtest/gtest.h>

#include "SDL_Engine/SDL_Engine.h"
#include "support/FakeClock.h"
#include "support/RecordingState.h"

// A real engine under the dummy drivers and a fake clock that starts at 0; its start-up lines
// are swallowed so tests see only what they cause.
class EngineFixture : public testing::Test {
  protected:
    void SetUp() override {
        ExitCode = 0;
        RecordingState::journal.clear();
        testing::internal::CaptureStdout();
        SDL_Engine::CreateInstance("Tarvello");
        testing::internal::GetCapturedStdout();
        engine = SDL_Engine::GetInstance();
    }
    void TearDown() override {
        if (engine) DestroyAndCapture();
        ExitCode = 0;
    }

    // Shuts the engine down now (if a test wants the shutdown lines) and returns what it printed.
    std::string DestroyAndCapture() {
        testing::internal::CaptureStdout();
        SDL_Engine::DestroyInstance();
        engine = nullptr;
        return testing::internal::GetCapturedStdout();
    }

    SDL_Engine* engine = nullptr;
    FakeClock clock{0};
};

#endif
