#include "BenchGame.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/MersenneTwister.h"
#include "game/ComputerPlayer.h"
#include "game/GameBoard.h"
#include "game/GameConsole.h"
#include "game/GameControl.h"
#include "game/GameRecord.h"

namespace {
Uint32 benchNow = 100000;
Uint32 ReadBenchClock() { return benchNow; }
void SleepBenchClock(Uint32 ms) { benchNow += ms; }

// Far beyond any real game; a game that needs more is stuck.
const long MaxUpdates = 5000000;

bool TakeGameOver() {
    bool over = false;
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_EVENTMASK(SDL_USEREVENT)) > 0) {
        over = over || event.user.code == GameOverCode;
    }
    return over;
}

int SeatOf(const std::vector<LudoPlayer*>& players, int colour) {
    for (std::size_t seat = 0; seat < players.size(); ++seat) {
        if (players[seat]->GetColour() == colour) return static_cast<int>(seat);
    }
    return -1;
}
}  // namespace

void BenchSdl() {
    static bool started = false;
    if (started) return;
    started = true;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) throw std::runtime_error(SDL_GetError());
    if (!SDL_SetVideoMode(600, 600, 32, SDL_ANYFORMAT)) throw std::runtime_error(SDL_GetError());
    if (TTF_Init() < 0) throw std::runtime_error(SDL_GetError());
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) < 0) throw std::runtime_error(SDL_GetError());
    Clock::SetSource(ReadBenchClock, SleepBenchClock);
}

BenchGameResult PlayComputerGame(uint32_t seed, int seats) {
    BenchSdl();
    SharedRandom.init_genrand(seed);
    GameRecord.finishers.clear();
    TakeGameOver();
    GameBoard board;
    GameConsole console;
    std::vector<LudoPlayer*> players;
    for (int colour = 0; colour < seats; ++colour) {
        players.push_back(new ComputerPlayer(&board, colour, "Seat" + std::to_string(colour)));
    }
    BenchGameResult result;
    {
        GameControl control(&players, &console);
        TurnState last = TurnEnd;
        while (!result.ended && result.updates < MaxUpdates) {
            benchNow += 20;
            control.Update();
            console.Update();
            ++result.updates;
            const TurnState state = players[control.GetCurrentPlayer()]->GetTurnState();
            if (state != last && state == TurnStart) ++result.turns;
            last = state;
            result.ended = TakeGameOver();
        }
    }
    for (const PlayerInfo& finisher : GameRecord.finishers) {
        result.finishOrder.push_back(SeatOf(players, finisher.colour));
    }
    for (LudoPlayer* player : players) delete player;
    return result;
}
