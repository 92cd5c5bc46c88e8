#include "support/EngineFixture.h"

#include "support/RecordingState.h"

void EngineFixture::SetUp() {
    ExitCode = 0;
    RecordingState::journal.clear();
    testing::internal::CaptureStdout();
    SDL_Engine::CreateInstance("Tarvello");
    testing::internal::GetCapturedStdout();
    engine = SDL_Engine::GetInstance();
}

void EngineFixture::TearDown() {
    if (engine) {
        testing::internal::CaptureStdout();
        SDL_Engine::DestroyInstance();
        testing::internal::GetCapturedStdout();
    }
    ExitCode = 0;
}

std::string EngineFixture::DestroyAndCapture() {
    testing::internal::CaptureStdout();
    SDL_Engine::DestroyInstance();
    engine = nullptr;
    return testing::internal::GetCapturedStdout();
}
