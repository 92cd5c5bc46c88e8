#include "BenchGame.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <stdexcept>
#include <string>

#include "SDL_Engine/MersenneTwister.h"
#include "game/GameRecord.h"
#include "game/GameTable.h"
#include "support/FakeClock.h"

namespace {
// Far beyond any real game; a game that needs more is stuck.
const long MaxUpdates = 5000000;
}  // namespace

void BenchSdl() {
    static bool started = false;
    if (started) return;
    started = true;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) throw std::runtime_error(SDL_GetError());
    if (!SDL_SetVideoMode(600, 600, 32, SDL_ANYFORMAT)) throw std::runtime_error(SDL_GetError());
    if (TTF_Init() < 0) throw std::runtime_error(SDL_GetError());
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) < 0) throw std::runtime_error(SDL_GetError());
}

// The same table the simulation test plays on, every seat a computer.
BenchGameResult PlayComputerGame(uint32_t seed, int seats) {
    BenchSdl();
    FakeClock clock(100000);
    SharedRandom.init_genrand(seed);
    GameRecord.finishers.clear();
    GameTable::TakeGameOverEvents();
    std::vector<PlayerInfo> computers;
    for (int colour = 0; colour < seats; ++colour) {
        computers.push_back({"Seat" + std::to_string(colour), colour, 0});
    }
    GameTable table(computers);
    BenchGameResult result;
    TurnState last = TurnEnd;
    while (!result.ended && result.updates < MaxUpdates) {
        table.Step();
        ++result.updates;
        const TurnState state = table.State();
        if (state != last && state == TurnStart) ++result.turns;
        last = state;
        result.ended = GameTable::TakeGameOverEvents() > 0;
    }
    // Seat s plays colour s.
    for (const PlayerInfo& finisher : GameRecord.finishers) {
        result.finishOrder.push_back(finisher.colour);
    }
    return result;
}
