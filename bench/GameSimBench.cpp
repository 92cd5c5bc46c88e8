#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "support/SdlSession.h"
#include "support/WholeGame.h"

namespace {

// A game of computer seats on the simulation test's harness, without the rule checks. SDL
// starts on first use and stays for the rest of the run.
WholeGameResult PlayComputerGame(uint32_t seed, int seats = 4) {
    static SdlSession sdl(true);
    WholeGameOptions options;
    options.seats = seats;
    options.computersOnly = true;
    options.checkRules = false;
    options.maxUpdates = 5000000;
    return PlayWholeGame(seed, options);
}

// Complete four-computer games, logic only, each in real 20 ms steps of the stand-in clock.
void BM_FourComputerGame(benchmark::State& state) {
    uint32_t seed = 1;
    long updates = 0;
    for (auto _ : state) {
        const WholeGameResult result = PlayComputerGame(seed++);
        if (!result.ended) state.SkipWithError("a game did not end");
        updates += result.updates;
    }
    // Per second of wall time; the target is 1000 a minute, about 17 a second.
    state.counters["games"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["updates_per_game"] =
        benchmark::Counter(static_cast<double>(updates), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FourComputerGame)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();

int FigureGames() {
    const char* text = std::getenv("TARVELLO_FIGURE_GAMES");
    const int games = text ? std::atoi(text) : 0;
    return games > 0 ? games : 10000;
}

// What a game of computers is like, for 2, 3 and 4 seats: seeds 1 to N (10 000 unless
// TARVELLO_FIGURE_GAMES says otherwise). Counters: mean turns (each throw of the die is one turn,
// bonus turns included) and minutes of game time, and each seat's share of first places (seat 0
// throws first).
void BM_ComputerGameFigures(benchmark::State& state) {
    const int seats = static_cast<int>(state.range(0));
    uint32_t seed = 1;
    double turns = 0, minutes = 0, unfinished = 0;
    double firsts[4] = {0, 0, 0, 0};
    for (auto _ : state) {
        const WholeGameResult result = PlayComputerGame(seed++, seats);
        turns += result.turns;
        minutes += result.updates * 20.0 / 60000.0;
        if (!result.ended || result.finishColours.empty()) {
            std::fprintf(stderr, "game %u did not end (%ld updates)\n", seed - 1, result.updates);
            ++unfinished;
        } else {
            ++firsts[result.finishColours.front()];
        }
    }
    using benchmark::Counter;
    state.counters["turns"] = Counter(turns, Counter::kAvgIterations);
    state.counters["minutes"] = Counter(minutes, Counter::kAvgIterations);
    state.counters["unfinished"] = Counter(unfinished);
    for (int seat = 0; seat < seats; ++seat) {
        state.counters["first_seat" + std::to_string(seat)] =
            Counter(firsts[seat], Counter::kAvgIterations);
    }
}
BENCHMARK(BM_ComputerGameFigures)
    ->DenseRange(2, 4)
    ->Iterations(FigureGames())
    ->Unit(benchmark::kMillisecond);

}  // namespace
