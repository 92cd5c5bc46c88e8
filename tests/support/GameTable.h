#ifndef TARVELLO_TESTS_GAME_TABLE_H
#define TARVELLO_TESTS_GAME_TABLE_H

#include <SDL.h>

#include <memory>
#include <vector>

#include "game/GameBoard.h"
#include "game/GameConsole.h"
#include "game/GameControl.h"
#include "game/LudoPlayer.h"
#include "game/PlayerInfo.h"

// A game laid out as the session holds it (board, console, players and referee), driven by the
// fake clock one logic update at a time. Needs a live SDL session with audio.
class GameTable {
  public:
    // The players the game makes for the seats.
    explicit GameTable(const std::vector<PlayerInfo>& seats);

    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    // One logic update as the session runs it, ms after the last one.
    void Step(Uint32 ms = 20);
    // Steps until the current player is in state (at most maxSteps); true if reached.
    bool StepUntil(TurnState state, int maxSteps = 1000);
    // Removes the end-of-game events from SDL's queue and counts them.
    static int TakeGameOverEvents();

    GameControl& Control() { return *control; }
    GameConsole& Console() { return console; }
    GameBoard& Board() { return board; }
    const PlayerList& Players() const { return players; }
    LudoPlayer* Player(unsigned seat) { return players[seat].get(); }
    LudoPlayer* Current() { return players[control->GetCurrentPlayer()].get(); }
    TurnState State() { return Current()->GetTurnState(); }

    // Piece k's square in window coordinates, where a user presses it.
    static SDL_Rect SquareOf(const LudoPlayer* player, int k);
    // Sets up a position without the referee: brings piece k out of the yard if it is there,
    // then walks it steps squares along its route to the end of the move.
    static void Walk(LudoPlayer* player, int k, int steps);

  private:
    GameBoard board;
    GameConsole console;
    PlayerList players;
    std::unique_ptr<GameControl> control;
};

#endif
