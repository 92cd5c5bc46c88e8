#include "SimulatedGame.h"

#include "GameInvariants.h"
#include "GameTable.h"
#include "SDL_Engine/MersenneTwister.h"
#include "ScriptedPlayer.h"
#include "game/GameRecord.h"

namespace {
bool SameOrder(const std::vector<PlayerInfo>& a, const std::vector<PlayerInfo>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].colour != b[i].colour || a[i].control != 0) {
            return false;
        }
    }
    return true;
}

// Someone may have dragged the board before the game got going.
void MaybeDrag(GameBoard& board) {
    if (RandomInt(2) == 0) return;
    const int x = board.GetX() + 100;
    const int y = board.GetY() + 100;
    board.OnMouseDown(x, y);
    board.OnMouseMove(x - 40 + static_cast<int>(RandomInt(81)),
                      y - 40 + static_cast<int>(RandomInt(81)));
    board.OnMouseUp();
}
}  // namespace

SimulatedGame::SimulatedGame(int seatCount, uint32_t seed) {
    SharedRandom.init_genrand(seed);
    seats = ChooseSeats(seatCount);
}

// Seats are taken in colour order as the setup screen lists them; each is human or computer.
std::vector<PlayerInfo> SimulatedGame::ChooseSeats(int seatCount) const {
    std::vector<int> colours = {0, 1, 2, 3};
    while (static_cast<int>(colours.size()) > seatCount) {
        colours.erase(colours.begin() + RandomInt(static_cast<uint32_t>(colours.size())));
    }
    std::vector<PlayerInfo> chosen;
    for (int colour : colours) {
        const std::string name = "Seat" + std::to_string(colour);
        chosen.push_back({name, colour, static_cast<Sint32>(RandomInt(2))});
    }
    return chosen;
}

SimulationResult SimulatedGame::Play(int maxUpdates) {
    SimulationResult result;
    result.seats = seats;
    GameRecord.finishers.clear();
    GameTable::TakeGameOverEvents();
    GameTable table(seats);
    MaybeDrag(table.Board());
    GameInvariants invariants(table);
    ScriptedPlayer script(table);
    while (result.failure.empty() && result.updates < maxUpdates) {
        result.failure = script.Act();
        table.Step();
        ++result.updates;
        if (result.failure.empty()) result.failure = invariants.Check();
        if (GameTable::TakeGameOverEvents() > 0) {
            result.ended = true;
            break;
        }
    }
    result.wrongPresses = script.WrongPresses();
    result.finishOrder = invariants.FinishOrder();
    if (!result.failure.empty()) return result;
    if (!result.ended) {
        result.failure = "no end after " + std::to_string(maxUpdates) + " updates";
    } else if (!table.Control().AllFinished()) {
        result.failure = "the game ended before everybody finished";
    } else if (result.finishOrder.size() != seats.size() ||
               !SameOrder(result.finishOrder, GameRecord.finishers)) {
        result.failure = "the record does not list each player once in finishing order";
    }
    return result;
}
