#ifndef TARVELLO_TESTS_SIMULATED_GAME_H
#define TARVELLO_TESTS_SIMULATED_GAME_H

#include <cstdint>
#include <string>
#include <vector>

#include "game/PlayerInfo.h"

// How one simulated game went.
struct SimulationResult {
    std::string failure;  // the first thing that went wrong, or ""
    bool ended = false;   // the end-of-game event arrived
    int updates = 0;
    int wrongPresses = 0;
    std::vector<PlayerInfo> seats;
    std::vector<PlayerInfo> finishOrder;  // as seen on the board
};

// Plays one complete game with the real referee, players, board and console under the fake
// clock in 20 ms updates, the human seats played by a script; checks the game's rules after
// every update. The seed decides the seats (which colours, human or computer) and every throw.
class SimulatedGame {
  public:
    SimulatedGame(int seatCount, uint32_t seed);

    SimulationResult Play(int maxUpdates);

  private:
    std::vector<PlayerInfo> ChooseSeats(int seatCount) const;

    std::vector<PlayerInfo> seats;
};

#endif
