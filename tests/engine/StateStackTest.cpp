#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SDL_Exception.h"
#include "support/EngineFixture.h"
#include "support/RecordingState.h"

namespace {

using Journal = std::vector<std::string>;

class StateStack : public EngineFixture {
  protected:
    Journal& journal = RecordingState::journal;
};

TEST_F(StateStack, PushStartsTheNewStateBeforePausingTheOldOne) {
    engine->PushState(new RecordingState("a"));
    engine->PushState(new RecordingState("b"));
    EXPECT_EQ((Journal{"a.Init", "b.Init", "a.Pause"}), journal);
    EXPECT_EQ(2u, engine->StateCount());
    EXPECT_TRUE(engine->IsRunning());
}

TEST_F(StateStack, ChangeStartsTheNewStateThenRemovesEveryOldOneTopFirst) {
    engine->PushState(new RecordingState("game"));
    engine->PushState(new RecordingState("menu"));
    journal.clear();
    engine->ChangeState(new RecordingState("main"));
    EXPECT_EQ((Journal{"main.Init", "menu.Cleanup", "menu.delete", "game.Cleanup", "game.delete"}),
              journal);
    EXPECT_EQ(1u, engine->StateCount());
}

TEST_F(StateStack, PopRemovesTheTopAndResumesTheOneBeneath) {
    engine->PushState(new RecordingState("game"));
    engine->PushState(new RecordingState("menu"));
    journal.clear();
    engine->PopState();
    EXPECT_EQ((Journal{"menu.Cleanup", "menu.delete", "game.Resume"}), journal);
    EXPECT_TRUE(engine->IsRunning());
}

TEST_F(StateStack, PoppingTheLastStateQuitsWithZero) {
    engine->PushState(new RecordingState("only"));
    ExitCode = 9;
    engine->PopState();
    EXPECT_FALSE(engine->IsRunning());
    EXPECT_EQ(0, ExitCode);
    EXPECT_EQ(0u, engine->StateCount());
}

TEST_F(StateStack, PopOnAnEmptyStackQuitsWithZero) {
    engine->PopState();
    EXPECT_FALSE(engine->IsRunning());
    EXPECT_EQ(0, ExitCode);
}

TEST_F(StateStack, RefusedPushQuitsWithFourAndKeepsTheStateForShutdown) {
    engine->PushState(new RecordingState("old"));
    engine->PushState(new RecordingState("bad", false));
    EXPECT_EQ(4, ExitCode);
    EXPECT_FALSE(engine->IsRunning());
    EXPECT_EQ(2u, engine->StateCount());
    journal.clear();
    DestroyAndCapture();
    EXPECT_EQ((Journal{"bad.Cleanup", "bad.delete", "old.Cleanup", "old.delete"}), journal);
}

TEST_F(StateStack, RefusedChangeQuitsWithFourLeavesTheStackAndFreesTheState) {
    engine->PushState(new RecordingState("old"));
    journal.clear();
    engine->ChangeState(new RecordingState("bad", false));
    EXPECT_EQ(4, ExitCode);
    EXPECT_EQ(1u, engine->StateCount());
    EXPECT_EQ((Journal{"bad.Init", "bad.Cleanup", "bad.delete"}), journal);
}

TEST_F(StateStack, StateWhoseInitRaisesIsFreedAndTheErrorPassesOn) {
    struct Failing : RecordingState {
        Failing() : RecordingState("failing") {}
        bool Init() override {
            RecordingState::Init();
            throw SDL_Exception("missing picture");
        }
    };
    engine->PushState(new RecordingState("old"));
    journal.clear();
    EXPECT_THROW(engine->ChangeState(new Failing), SDL_Exception);
    EXPECT_THROW(engine->PushState(new Failing), SDL_Exception);
    EXPECT_EQ((Journal{"failing.Init", "failing.Cleanup", "failing.delete", "failing.Init",
                       "failing.Cleanup", "failing.delete"}),
              journal);
    EXPECT_EQ(1u, engine->StateCount());
    EXPECT_TRUE(engine->IsRunning());
}

TEST_F(StateStack, ShutdownCleansUpAndDeletesTopFirst) {
    engine->PushState(new RecordingState("a"));
    engine->PushState(new RecordingState("b"));
    journal.clear();
    DestroyAndCapture();
    EXPECT_EQ((Journal{"b.Cleanup", "b.delete", "a.Cleanup", "a.delete"}), journal);
}

class OpeningReveal : public EngineFixture {};

TEST_F(OpeningReveal, GrowsFromTheCentreToTheWholeWindowInTwentySteps) {
    SDL_GameState::SetNextRevealTime(0);
    RecordingState state("s");
    SDL_Surface* screen = engine->GetScreen();
    for (int step = 1; step <= 20; ++step) {
        clock.Advance(20);
        state.SDL_GameState::Draw(screen);
        const SDL_Rect& rect = state.GetOpenRect();
        EXPECT_EQ(300 - 15 * step, rect.x);
        EXPECT_EQ(30 * step, rect.w);
        EXPECT_EQ(rect.x, screen->clip_rect.x);
        EXPECT_EQ(rect.h, screen->clip_rect.h);
    }
    clock.Advance(20);
    state.SDL_GameState::Draw(screen);
    EXPECT_EQ(0, state.GetOpenRect().x);
    EXPECT_EQ(600, state.GetOpenRect().w);
    EXPECT_EQ(600, screen->clip_rect.w);
}

TEST_F(OpeningReveal, StepsWaitForTheRevealTimeSharedByAllScreens) {
    SDL_GameState::SetNextRevealTime(0);
    RecordingState first("first");
    RecordingState second("second");
    SDL_Surface* screen = engine->GetScreen();
    clock.Set(100);
    first.SDL_GameState::Draw(screen);
    EXPECT_EQ(110u, SDL_GameState::NextRevealTime());
    clock.Set(110);
    second.SDL_GameState::Draw(screen);
    EXPECT_EQ(300, second.GetOpenRect().x) << "a step needs the tick count past the shared time";
    clock.Set(111);
    second.SDL_GameState::Draw(screen);
    EXPECT_EQ(285, second.GetOpenRect().x);
}

TEST_F(OpeningReveal, ClipsWhatTheScreenDrawsAfterIt) {
    SDL_GameState::SetNextRevealTime(0);
    RecordingState state("s");
    SDL_Surface* screen = engine->GetScreen();
    SDL_SetClipRect(screen, nullptr);
    SDL_FillRect(screen, nullptr, 0);
    clock.Set(50);
    state.SDL_GameState::Draw(screen);
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    SDL_LockSurface(screen);
    const Uint32* pixels = static_cast<const Uint32*>(screen->pixels);
    const int stride = screen->pitch / 4;
    EXPECT_NE(0u, pixels[300 * stride + 300] & 0xFFFFFF);
    EXPECT_NE(0u, pixels[285 * stride + 285] & 0xFFFFFF);
    EXPECT_EQ(0u, pixels[284 * stride + 300] & 0xFFFFFF);
    EXPECT_EQ(0u, pixels[300 * stride + 315] & 0xFFFFFF);
    SDL_UnlockSurface(screen);
    SDL_SetClipRect(screen, nullptr);
}

}  // namespace
