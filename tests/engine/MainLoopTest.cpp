#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SDL_Engine/SDL_Engine.h"
#include "support/EngineFixture.h"
#include "support/RecordingState.h"

namespace {

class MainLoop : public EngineFixture {
  protected:
    RecordingState* Push() {
        auto* state = new RecordingState("s");
        engine->PushState(state);
        RecordingState::journal.clear();
        return state;
    }

    static void Post(Uint8 type, int code = 0) {
        SDL_Event event = {};
        event.type = type;
        event.user.code = code;
        ASSERT_EQ(0, SDL_PushEvent(&event));
    }
};

TEST_F(MainLoop, FirstPassCatchesUpOnEveryStepDueSinceTheClockStarted) {
    RecordingState* state = Push();
    clock.Set(50);
    EXPECT_TRUE(engine->RunFrame());
    EXPECT_EQ(3, state->updates);  // 50 / 20 rounded up
    EXPECT_EQ(1, state->draws);
}

TEST_F(MainLoop, NoUpdateNoDrawUntilTheTickCountPassesTheNextStep) {
    RecordingState* state = Push();
    clock.Set(40);
    engine->RunFrame();
    ASSERT_EQ(2, state->updates);
    ASSERT_EQ(1, state->draws);
    engine->RunFrame();  // tick count equals the next step: the pass only sleeps 1 ms
    EXPECT_EQ(2, state->updates);
    EXPECT_EQ(1, state->draws);
    EXPECT_EQ(41u, FakeClock::Now());
    engine->RunFrame();
    EXPECT_EQ(3, state->updates);
    EXPECT_EQ(2, state->draws);
}

TEST_F(MainLoop, ALongStallRunsEveryMissedStepBeforeOneDraw) {
    RecordingState* state = Push();
    clock.Set(10000);
    engine->RunFrame();
    EXPECT_EQ(500, state->updates);
    EXPECT_EQ(1, state->draws);
}

// The tick count wraps to 0 after 49.7 days; a game left running that long goes on stepping.
TEST_F(MainLoop, StepsGoOnAtFiftyASecondAcrossTheWrapOfTheTickCount) {
    DestroyAndCapture();
    const Uint32 start = 0xFFFFFFF0u;
    clock.Set(start);
    testing::internal::CaptureStdout();
    SDL_Engine::CreateInstance("Tarvello");
    testing::internal::GetCapturedStdout();
    engine = SDL_Engine::GetInstance();
    RecordingState* state = Push();
    clock.Set(0xFFFFFFFFu);
    engine->RunFrame();
    EXPECT_EQ(1, state->updates);
    while (static_cast<Uint32>(FakeClock::Now() - start) < 1000) engine->RunFrame();
    EXPECT_EQ(50, state->updates);
    EXPECT_EQ(50, state->draws);
}

TEST_F(MainLoop, TakesOneEventPerPass) {
    Push();
    for (int i = 0; i < 3; ++i) {
        SDL_Event key = {};
        key.type = SDL_KEYDOWN;
        key.key.keysym.sym = SDLK_a;
        SDL_PushEvent(&key);
    }
    engine->RunFrame();
    EXPECT_EQ(1u, RecordingState::journal.size());
    engine->RunFrame();
    engine->RunFrame();
    EXPECT_EQ(3u, RecordingState::journal.size());
    engine->RunFrame();
    EXPECT_EQ(3u, RecordingState::journal.size());
}

struct DispatchCase {
    Uint8 type;
    const char* handler;  // empty: the state hears nothing
};

class EventDispatch : public MainLoop, public testing::WithParamInterface<DispatchCase> {};

TEST_P(EventDispatch, GoesToTheTopStateHandlerForItsType) {
    engine->PushState(new RecordingState("under"));
    Push();
    Post(GetParam().type, 7);
    engine->RunFrame();
    std::vector<std::string> expected;
    if (*GetParam().handler) expected.push_back(std::string("s.") + GetParam().handler);
    EXPECT_EQ(expected, RecordingState::journal);
    EXPECT_TRUE(engine->IsRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Types, EventDispatch,
    testing::Values(DispatchCase{SDL_KEYDOWN, "KeyDown"}, DispatchCase{SDL_KEYUP, "KeyUp"},
                    DispatchCase{SDL_MOUSEMOTION, "MouseMotion"},
                    DispatchCase{SDL_MOUSEBUTTONDOWN, "MouseButtonDown"},
                    DispatchCase{SDL_MOUSEBUTTONUP, "MouseButtonUp"},
                    DispatchCase{SDL_USEREVENT, "UserEvent7"},
                    DispatchCase{SDL_USEREVENT + 1, "UserEvent7"},
                    DispatchCase{SDL_USEREVENT + 2, ""}, DispatchCase{SDL_ACTIVEEVENT, ""},
                    DispatchCase{SDL_VIDEORESIZE, ""}, DispatchCase{SDL_VIDEOEXPOSE, ""},
                    DispatchCase{SDL_JOYBUTTONDOWN, ""}),
    [](const testing::TestParamInfo<DispatchCase>& info) {
        return "Type" + std::to_string(info.param.type);
    });

TEST_F(MainLoop, ClosingTheWindowQuitsWithZeroAfterThePassFinishes) {
    RecordingState* state = Push();
    ExitCode = 5;
    Post(SDL_QUIT);
    clock.Set(20);
    EXPECT_FALSE(engine->RunFrame());
    EXPECT_EQ(0, ExitCode);
    EXPECT_TRUE(RecordingState::journal.empty()) << "the close goes to no state";
    EXPECT_EQ(1, state->updates);
    EXPECT_EQ(1, state->draws);
}

TEST_F(MainLoop, LoopEndsWhenAStateQuitsAndSaysSo) {
    struct Quitter : RecordingState {
        Quitter() : RecordingState("q") {}
        void Update() override {
            if (++updates == 3) SDL_Engine::GetInstance()->Quit(0);
        }
    };
    engine->PushState(new Quitter);
    testing::internal::CaptureStdout();
    engine->MainLoop();
    EXPECT_EQ("SDL_Engine: Exiting MainLoop()\n", testing::internal::GetCapturedStdout());
}

TEST_F(MainLoop, LoopThatNeverStartedPrintsNothing) {
    engine->Quit(4);
    testing::internal::CaptureStdout();
    engine->MainLoop();
    EXPECT_EQ("", testing::internal::GetCapturedStdout());
}

TEST_F(MainLoop, EmptyStackIgnoresEventsAndSteps) {
    Post(SDL_KEYDOWN);
    clock.Set(100);
    EXPECT_TRUE(engine->RunFrame());
}

}  // namespace
