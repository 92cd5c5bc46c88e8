#include "support/GameTable.h"

#include "game/Commands.h"
#include "game/ComputerPlayer.h"
#include "game/LudoPiece.h"
#include "game/PathNode.h"
#include "support/FakeClock.h"

GameTable::GameTable(const std::vector<PlayerInfo>& seats)
    : players(MakePlayers(&board, seats)),
      control(std::make_unique<GameControl>(&players, &console)) {}

void GameTable::Step(Uint32 ms) {
    FakeClock::Advance(ms);
    control->Update();
    console.Update();
}

bool GameTable::StepUntil(TurnState state, int maxSteps) {
    for (int i = 0; i < maxSteps && State() != state; ++i) Step();
    return State() == state;
}

int GameTable::TakeGameOverEvents() {
    int count = 0;
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_EVENTMASK(SDL_USEREVENT)) > 0) {
        if (event.user.code == kGameOverCode && !event.user.data1 && !event.user.data2) ++count;
    }
    return count;
}

SDL_Rect GameTable::SquareOf(const LudoPlayer* player, int k) {
    const PathNode* node = player->GetPiece(k)->GetNode();
    return {static_cast<Sint16>(player->GetBoard()->GetX() + node->x),
            static_cast<Sint16>(player->GetBoard()->GetY() + node->y), 31, 31};
}

void GameTable::Walk(LudoPlayer* player, int k, int steps) {
    if (player->IsInYard(k)) player->StartPiece(k);
    if (steps <= 0) return;
    player->SelectMove(steps, k);
    while (player->Update() & UpdateBusy) {
    }
}
