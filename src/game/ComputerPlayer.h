#ifndef TARVELLO_COMPUTER_PLAYER_H
#define TARVELLO_COMPUTER_PLAYER_H

#include <string>
#include <vector>

#include "game/LudoPlayer.h"
#include "game/PlayerInfo.h"

// A seat played by the program: it picks its piece itself and names it in board-picture pixels.
class ComputerPlayer : public LudoPlayer {
  public:
    ComputerPlayer(GameBoard* gameBoard, int seatColour, const std::string& playerName);

    // Board-picture coordinates, wherever the board has been dragged.
    int GetPieceAt(int x, int y) override;
    // The piece to move for a throw of steps; at least one piece must be able to move or start.
    LudoPiece* ChoosePiece(int steps);

  private:
    enum Verdict { Refused, Allowed, ChooseNow };
    Verdict Judge(int k, int steps) const;
};

// The players of a new game on board, in seat order: a ComputerPlayer for a seat with control 0,
// a person's LudoPlayer for control 1, and none for an empty seat.
PlayerList MakePlayers(GameBoard* board, const std::vector<PlayerInfo>& seats);

#endif
