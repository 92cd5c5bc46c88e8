#include <SDL.h>
#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>
#include <vector>

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SDL_GameState.h"
#include "game/DataFiles.h"
#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cGameSession.h"
#include "screens/cIntroState.h"

namespace {

const std::vector<PlayerInfo> kSeats = {
    {"Gale", 0, 0}, {"Rowan", 1, 1}, {"Bryn", 2, 0}, {"Yara", 3, 1}};

bool StartEngine(benchmark::State& state) {
    if (!std::ifstream(DataFiles::kTunnelTexture)) {
        state.SkipWithError("the game's data is missing; run from the build folder");
        return false;
    }
    Clock::ResetSource();
    SDL_Engine::CreateInstance("Tarvello");
    return true;
}

void FillRecord() {
    GameRecord.finishers = {kSeats[2], kSeats[0], kSeats[3], kSeats[1]};
    GameRecord.playTime = 1234567;
}

// The screens as the engine has them when each one is on top.
SDL_GameState* Reach(int screen) {
    SDL_Engine* engine = SDL_Engine::GetInstance();
    switch (screen) {
        case 0:
            engine->ChangeState(new cIntroState());
            break;
        case 1:
            engine->ChangeState(new MainMenu());
            break;
        case 2:
            engine->ChangeState(new PlayerSetup());
            break;
        case 3:
            engine->ChangeState(new cGameSession(kSeats));
            break;
        case 4:
            engine->ChangeState(new cGameSession(kSeats));
            engine->PushState(new InGameMenu());
            break;
        default:
            FillRecord();
            engine->ChangeState(new GameResults());
            break;
    }
    return engine->TopState();
}

// One frame of a screen, drawn as the engine draws it, after the opening reveal is over.
void BM_ScreenFrame(benchmark::State& state) {
    if (!StartEngine(state)) return;
    SDL_GameState* top = Reach(static_cast<int>(state.range(0)));
    SDL_Surface* screen = SDL_Engine::GetInstance()->GetScreen();
    for (int i = 0; i < 25; ++i) {
        top->Update();
        top->Draw(screen);
        SDL_Delay(11);
    }
    for (auto _ : state) {
        top->Draw(screen);
        benchmark::DoNotOptimize(screen->pixels);
    }
    SDL_Engine::DestroyInstance();
}
BENCHMARK(BM_ScreenFrame)
    ->ArgName("screen")  // 0 intro, 1 main menu, 2 setup, 3 game, 4 in-game menu, 5 results
    ->DenseRange(0, 5)
    ->Unit(benchmark::kMicrosecond);

struct Change {
    std::function<void()> before;  // puts the old screen on top
    std::function<void()> change;  // the change that is timed
};

const Change kChanges[] = {
    {[] { Reach(0); }, [] { SDL_Engine::GetInstance()->ChangeState(new MainMenu()); }},
    {[] { Reach(1); }, [] { SDL_Engine::GetInstance()->ChangeState(new PlayerSetup()); }},
    {[] { Reach(2); }, [] { SDL_Engine::GetInstance()->ChangeState(new cGameSession(kSeats)); }},
    {[] { Reach(3); }, [] { SDL_Engine::GetInstance()->PushState(new InGameMenu()); }},
    {[] { Reach(4); }, [] { SDL_Engine::GetInstance()->PopState(); }},
    {[] { Reach(4); }, [] { SDL_Engine::GetInstance()->ChangeState(new MainMenu()); }},
    {[] {
         Reach(3);
         FillRecord();
     },
     [] { SDL_Engine::GetInstance()->ChangeState(new GameResults()); }},
    {[] { Reach(5); }, [] { SDL_Engine::GetInstance()->ChangeState(new MainMenu()); }},
};

// A change of screen: the new screen's Init and the old screens' Cleanup, music fade included.
void BM_ScreenChange(benchmark::State& state) {
    if (!StartEngine(state)) return;
    const Change& change = kChanges[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        change.before();
        state.ResumeTiming();
        change.change();
    }
    SDL_Engine::DestroyInstance();
}
// 0 intro>menu, 1 menu>setup, 2 setup>game, 3 game>pause, 4 pause>game, 5 pause>menu,
// 6 game>results, 7 results>menu
BENCHMARK(BM_ScreenChange)
    ->ArgName("change")
    ->DenseRange(0, 7)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

}  // namespace
