#ifndef TARVELLO_TESTS_SCRIPTED_PLAYER_H
#define TARVELLO_TESTS_SCRIPTED_PLAYER_H

#include <SDL.h>

#include <string>
#include <vector>

#include "game/TurnState.h"

class GameTable;
class LudoPlayer;

// Plays the human seats as a person at the table would: after a short while presses the throw
// button when asked, and clicks at the window position of a piece that may move, now and then
// on a wrong piece or an empty spot first. Stray presses in the wrong step must change nothing.
class ScriptedPlayer {
  public:
    explicit ScriptedPlayer(GameTable& table);

    // Acts for the current seat if it is human; returns what went wrong, or "".
    std::string Act();
    int WrongPresses() const { return wrongPresses; }

  private:
    std::string Throw();
    std::string Choose(LudoPlayer* player);
    std::string PressWrong(LudoPlayer* player, const std::vector<int>& legal);
    std::string PressStray(LudoPlayer* player);
    void Press(LudoPlayer* player, int k);
    std::vector<int> LegalPieces(LudoPlayer* player) const;

    GameTable& table;
    const LudoPlayer* seenPlayer;  // the player and step the current delay was drawn for
    TurnState seenState;
    Uint32 actAt;
    int wrongPresses;
};

#endif
