#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/SDL_GameState.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {

// A screen that writes every call the engine makes on it into one shared journal, as
// "name.Call"; updates and draws are only counted.
class RecordingState : public SDL_GameState {
  public:
    inline static std::vector<std::string> journal;

    explicit RecordingState(const std::string& stateName, bool succeeds = true)
        : name(stateName), initSucceeds(succeeds) {}
    ~RecordingState() override { Note("delete"); }

    bool Init() override { return Note("Init"), initSucceeds; }
    void Cleanup() override { Note("Cleanup"); }
    void Pause() override { Note("Pause"); }
    void Resume() override { Note("Resume"); }
    void HandleKeyDown(SDL_Event*) override { Note("KeyDown"); }
    void HandleKeyUp(SDL_Event*) override { Note("KeyUp"); }
    void HandleMouseMotion(SDL_Event*) override { Note("MouseMotion"); }
    void HandleMouseButtonUp(SDL_Event*) override { Note("MouseButtonUp"); }
    void HandleMouseButtonDown(SDL_Event*) override { Note("MouseButtonDown"); }
    void HandleUserEvent(SDL_Event* e) override {
        Note("UserEvent" + std::to_string(e->user.code));
    }
    void Update() override { ++updates; }
    void Draw(SDL_Surface*) override { ++draws; }

    int updates = 0;
    int draws = 0;

  private:
    void Note(const std::string& what) { journal.push_back(name + "." + what); }

    std::string name;
    bool initSucceeds;
};

using Journal = std::vector<std::string>;

// A real engine under the dummy drivers and a fake clock that starts at 0; its start-up lines
// are swallowed so tests see only what they cause.
class Engine : public testing::Test {
  protected:
    void SetUp() override { Start(0); }
    // (Re)creates the engine with the clock at tick.
    void Start(Uint32 tick) {
        if (engine) Destroy();
        clock.Set(tick);
        ExitCode = 0;
        RecordingState::journal.clear();
        testing::internal::CaptureStdout();
        SDL_Engine::CreateInstance("Tarvello");
        testing::internal::GetCapturedStdout();
        DropWindowEvents();
        engine = SDL_Engine::GetInstance();
    }
    void TearDown() override {
        if (engine) Destroy();
        ExitCode = 0;
    }

    // Shuts the engine down now, its shutdown lines swallowed.
    void Destroy() {
        testing::internal::CaptureStdout();
        SDL_Engine::DestroyInstance();
        engine = nullptr;
        testing::internal::GetCapturedStdout();
    }

    RecordingState* Push(const char* name = "s") {
        auto* state = new RecordingState(name);
        engine->PushState(state);
        journal.clear();
        return state;
    }

    static void Post(Uint8 type, int code = 0) {
        SDL_Event event = {};
        event.type = type;
        event.user.code = code;
        ASSERT_EQ(0, SDL_PushEvent(&event));
    }

    // Updates and draws so far.
    static std::pair<int, int> Passes(const RecordingState* s) { return {s->updates, s->draws}; }

    SDL_Engine* engine = nullptr;
    FakeClock clock{0};
    Journal& journal = RecordingState::journal;
};

// Steps are 20 ms apart from the engine's start; a pass runs every step due, then one draw.
TEST_F(Engine, APassRunsEveryStepDueThenDrawsOnce) {
    RecordingState* state = Push();
    clock.Set(40);
    EXPECT_TRUE(engine->RunFrame());
    EXPECT_EQ(std::make_pair(2, 1), Passes(state));  // 40 / 20
    engine->RunFrame();  // tick count equals the next step: the pass only sleeps 1 ms
    EXPECT_EQ(std::make_pair(2, 1), Passes(state));
    EXPECT_EQ(41u, FakeClock::Now());
    engine->RunFrame();
    EXPECT_EQ(std::make_pair(3, 2), Passes(state));
    clock.Set(10041);  // a long stall: every missed step before one draw
    engine->RunFrame();
    EXPECT_EQ(std::make_pair(503, 3), Passes(state));
}

// The tick count wraps to 0 after 49.7 days; a game left running that long goes on stepping.
TEST_F(Engine, StepsGoOnAtFiftyASecondAcrossTheWrapOfTheTickCount) {
    const Uint32 start = 0xFFFFFFF0u;
    Start(start);
    RecordingState* state = Push();
    clock.Set(0xFFFFFFFFu);
    engine->RunFrame();
    EXPECT_EQ(1, state->updates);
    while (static_cast<Uint32>(FakeClock::Now() - start) < 1000) engine->RunFrame();
    EXPECT_EQ(std::make_pair(50, 50), Passes(state));
}

// One event per pass, to the top state's handler for its type; the close quits with 0 after the
// pass has finished its steps and draw.
TEST_F(Engine, EventsGoOneAPassToTheTopStatesHandlerForTheirType) {
    Post(SDL_KEYDOWN);
    EXPECT_TRUE(engine->RunFrame()) << "an empty stack ignores events and steps";
    engine->PushState(new RecordingState("under"));
    RecordingState* state = Push();
    const Uint8 types[] = {SDL_KEYDOWN,         SDL_KEYUP,         SDL_MOUSEMOTION,
                           SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_USEREVENT,
                           SDL_USEREVENT + 1,   SDL_USEREVENT + 2, SDL_ACTIVEEVENT,
                           SDL_VIDEORESIZE,     SDL_VIDEOEXPOSE,   SDL_JOYBUTTONDOWN};
    for (Uint8 type : types) Post(type, 7);
    for (std::size_t i = 0; i < sizeof types; ++i) EXPECT_TRUE(engine->RunFrame());
    EXPECT_EQ((Journal{"s.KeyDown", "s.KeyUp", "s.MouseMotion", "s.MouseButtonDown",
                       "s.MouseButtonUp", "s.UserEvent7", "s.UserEvent7"}),
              journal);
    journal.clear();
    ExitCode = 5;
    Post(SDL_QUIT);
    clock.Set(20);
    EXPECT_FALSE(engine->RunFrame());
    EXPECT_EQ(0, ExitCode);
    EXPECT_TRUE(journal.empty()) << "the close goes to no state";
    EXPECT_EQ(std::make_pair(1, 1), Passes(state));
}

// A push starts the new state before pausing the old one; a change starts the new state, then
// removes every old one top first; a pop resumes the state below, and the last pop quits with 0.
TEST_F(Engine, StatesStartPauseResumeAndEndInOrder) {
    engine->PushState(new RecordingState("a"));
    engine->PushState(new RecordingState("b"));
    EXPECT_EQ((Journal{"a.Init", "b.Init", "a.Pause"}), journal);
    journal.clear();
    engine->ChangeState(new RecordingState("main"));
    EXPECT_EQ((Journal{"main.Init", "b.Cleanup", "b.delete", "a.Cleanup", "a.delete"}), journal);
    EXPECT_EQ(1u, engine->StateCount());
    Push("menu");
    engine->PopState();
    EXPECT_EQ((Journal{"menu.Cleanup", "menu.delete", "main.Resume"}), journal);
    EXPECT_TRUE(engine->IsRunning());
    ExitCode = 9;
    engine->PopState();
    EXPECT_FALSE(engine->IsRunning());
    EXPECT_EQ(0, ExitCode);
    EXPECT_EQ(0u, engine->StateCount());
    engine->PopState();  // on an empty stack
    EXPECT_EQ(0, ExitCode);
}

// A new screen opens from the middle, 15 px more each side once more than 10 ms have passed.
TEST_F(Engine, RevealWidensTheClipAtMostEveryTenMilliseconds) {
    RecordingState* state = Push();
    SDL_Surface* screen = engine->GetScreen();
    SDL_GameState::SetNextRevealTime(0);
    for (Uint32 t : {1000u, 1005u, 1010u, 1011u}) {
        clock.Set(t);
        state->SDL_GameState::Draw(screen);
    }
    EXPECT_EQ(270, screen->clip_rect.x);
    EXPECT_EQ(60, screen->clip_rect.w);
}

// A state whose Init fails: a change frees it and leaves the stack; a push keeps it there, so
// shutdown removes it with the rest, top first. Either way the engine quits with 4.
TEST_F(Engine, RefusedStateQuitsWithFour) {
    Push("old");
    engine->ChangeState(new RecordingState("bad", false));
    EXPECT_EQ(4, ExitCode);
    EXPECT_EQ((Journal{"bad.Init", "bad.Cleanup", "bad.delete"}), journal);
    ExitCode = 0;
    engine->PushState(new RecordingState("bad", false));
    EXPECT_EQ(4, ExitCode);
    EXPECT_FALSE(engine->IsRunning());
    EXPECT_EQ(2u, engine->StateCount());
    journal.clear();
    Destroy();
    EXPECT_EQ((Journal{"bad.Cleanup", "bad.delete", "old.Cleanup", "old.delete"}), journal);
}

TEST_F(Engine, StateWhoseInitRaisesIsFreedAndTheErrorPassesOn) {
    struct Failing : RecordingState {
        Failing() : RecordingState("failing") {}
        bool Init() override {
            RecordingState::Init();
            throw SDL_Exception("missing picture");
        }
    };
    Push("old");
    EXPECT_THROW(engine->ChangeState(new Failing), SDL_Exception);
    EXPECT_THROW(engine->PushState(new Failing), SDL_Exception);
    EXPECT_EQ((Journal{"failing.Init", "failing.Cleanup", "failing.delete", "failing.Init",
                       "failing.Cleanup", "failing.delete"}),
              journal);
    EXPECT_EQ(1u, engine->StateCount());
    EXPECT_TRUE(engine->IsRunning());
}

// The fake clock as SDL 3 under sdl12-compat keeps time: it counts only while SDL runs, and
// starts again at 0 once SDL is shut down.
Uint32 TicksWhileSdlRuns() { return SDL_WasInit(SDL_INIT_VIDEO) ? FakeClock::Now() : 0; }

TEST(EngineLog, ARunPrintsItsLinesByteForByte) {
    FakeClock clock(0);
    Clock::SetSource(TicksWhileSdlRuns, FakeClock::Advance);
    ExitCode = 0;
    const std::string name = typeid(RecordingState).name();
    const SDL_version* v = SDL_Linked_Version();
    char version[64];
    std::snprintf(version, sizeof version, "%u.%u.%u", v->major, v->minor, v->patch);
    testing::internal::CaptureStdout();
    SDL_Engine::CreateInstance("Tarvello");
    SDL_Engine* engine = SDL_Engine::GetInstance();
    int rate = 0, channels = 0;
    Uint16 format = 0;
    EXPECT_TRUE(Mix_QuerySpec(&rate, &format, &channels) == 1 && rate == 44100 && channels == 2);
    engine->PushState(new RecordingState("a"));
    engine->ChangeState(new RecordingState("b"));
    engine->PopState();
    engine->ToggleFullScreen();
    EXPECT_EQ(0xD0000000u, engine->GetVideoFlags());
    engine->ToggleFullScreen();
    clock.Set(12345);
    engine->Quit(0);
    engine->MainLoop();
    SDL_Engine::DestroyInstance();
    EXPECT_THROW(SDL_Engine::GetInstance(), SDL_Exception);
    EXPECT_FALSE(TTF_WasInit() || SDL_WasInit(SDL_INIT_EVERYTHING) ||
                 Mix_QuerySpec(&rate, &format, &channels))
        << "every library is shut down";
    EXPECT_EQ("SDL_Engine Initialized\nSDL_Engine: SDL_Initialized\nSDL_Engine: SDL Version: " +
                  std::string(version) +
                  "\nSDL_Engine: SDL_Video Initialized\n---Window Width : 600\n"
                  "---Window Height: 600\n---Color Depth  : 32\nSDL_Engine: SDL_Mixer Initialized\n"
                  "SDL_Engine: SDL_TTF Initialized\nSDL_Engine: Starting SDL_GameEngine\n"
                  "SDL_Engine: Running SDL_Engine at 50 fps\n\nSDL_Engine: Starting MainLoop()\n"
                  "---SDL_Engine::PushState(" +
                  name + ")\n---SDL_Engine::ChangeState(" + name +
                  ")\n---SDL_Engine::PopState()\n"
                  "---SDL_Engine::ToggleFullScreen()\n---SDL_Engine::ToggleFullScreen()\n"
                  "SDL_Engine: Shutting down SDL_Engine\nSDL_Engine: Shutting down SDL_TTF\n"
                  "SDL_Engine: Shutting down SDL_Mixer\nSDL_Engine: Shutting down SDL\n\n"
                  "SDL_Engine: Run time: 12.35 seconds\n\nSDL_Engine::Resource Leaked:\n"
                  "SDL_Surface : 0\nTTF_Font    : 0\nMix_Music   : 0\nMix_Chunk   : 0\n",
              testing::internal::GetCapturedStdout());
}

}  // namespace
