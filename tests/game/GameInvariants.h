#ifndef TARVELLO_TESTS_GAME_INVARIANTS_H
#define TARVELLO_TESTS_GAME_INVARIANTS_H

#include <string>
#include <vector>

#include "game/PlayerInfo.h"

class GameTable;
class LudoPiece;
class LudoPlayer;
struct PathNode;

// What must hold after every update of any game: every piece stands on one square of its own
// route or yard, the squares' occupant links agree with the pieces, no two resting pieces of a
// colour share a square, the pieces-left counts match the pieces home, only the current player
// is in the middle of a turn, and players finish once each.
class GameInvariants {
  public:
    explicit GameInvariants(GameTable& table);

    // The first broken rule, or "" when all hold.
    std::string Check();
    // The players in the order they were seen to finish.
    const std::vector<PlayerInfo>& FinishOrder() const { return finishOrder; }

  private:
    std::string CheckSquares() const;
    std::string CheckPlayer(unsigned seat);
    std::string CheckPiece(const LudoPlayer* player, int k) const;

    GameTable& table;
    std::vector<PathNode*> squares;  // borrowed from the board: track and home stretches
    std::vector<bool> finished;
    std::vector<PlayerInfo> finishOrder;
};

#endif
