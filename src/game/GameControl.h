#ifndef TARVELLO_GAME_CONTROL_H
#define TARVELLO_GAME_CONTROL_H

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "SDL_Engine/TextCache.h"
#include "game/Dice.h"
#include "game/LudoPlayer.h"
#include "game/TurnState.h"

class ComputerPlayer;
class FontHolder;
class GameConsole;

// The referee of one game: holds the die, knows whose turn it is, walks the current player
// through its turn, tells the players what to do on the console and plays the computer seats.
class GameControl {
  public:
    static const Uint32 TurnPause = 1000;
    static const Uint32 ComputerPace = 750;

    // Both are borrowed from the session; players must not be empty and must not change.
    // Raises SDL_Exception when the font or the die's files cannot be loaded.
    GameControl(const PlayerList* playerList, GameConsole* gameConsole);
    ~GameControl();

    GameControl(const GameControl&) = delete;
    GameControl& operator=(const GameControl&) = delete;

    // One logic update: plays a computer seat, advances the turn, keeps the prompt up to date.
    void Update();
    // The throw button: throws for the current player when it waits for a throw.
    void ThrowDice();
    // A mouse press at (x, y) in window coordinates (board-picture ones for a computer seat).
    void HandleClick(int x, int y);
    // The piece counters, the pieces (the current player's on top) and the die.
    void Draw(SDL_Surface* target);

    // The next seat after seat, wrapping round, that still has pieces left; seat itself when
    // nobody has.
    unsigned NextPlayer(unsigned seat) const;
    bool AllFinished() const;

    unsigned GetCurrentPlayer() const { return currentPlayer; }
    unsigned GetNextPlayer() const { return nextPlayer; }
    unsigned GetSixesInARow() const { return sixesInARow; }
    Dice& GetDice() { return die; }

  private:
    LudoPlayer* Current() const;
    void UpdateTurn();
    void UpdateTurnStart();
    void UpdateMoving();
    void UpdateTurnEnd();
    void EvaluateThrow();
    void Decide(TurnState state, unsigned next, int message);
    void EndTurn();
    void UpdatePrompt();
    void DriveComputer(ComputerPlayer* computer);
    static void PushGameOver();
    void Notify(int message);
    void SetPrompt(int message);
    void DrawCounters(SDL_Surface* target);

    GameConsole* console;  // borrowed from the session
    Dice die;
    unsigned nextPlayer;
    unsigned currentPlayer;
    unsigned sixesInARow;
    std::unique_ptr<FontHolder> font;
    TextCache counterTexts;
    const PlayerList* players;  // borrowed from the session

    // The controller's memories belong to this game alone, so a game started after another was
    // abandoned begins with its own prompt and its own full pauses.
    const LudoPlayer* promptPlayer;  // the player and state the prompt was last set for
    int promptState;
    const LudoPlayer* drivenPlayer;  // the computer and state last seen by DriveComputer
    int drivenState;
    Uint32 actionClock;
    Uint32 turnStartClock;  // 0 while no turn pause runs
    // The clocks are compared as elapsed ms, which stays right when the tick counter wraps.
};

#endif
