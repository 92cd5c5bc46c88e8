#ifndef TARVELLO_LUDO_PLAYER_H
#define TARVELLO_LUDO_PLAYER_H

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "SDL_Engine/SurfaceHolder.h"
#include "game/LudoPiece.h"
#include "game/PathNode.h"
#include "game/TurnState.h"

class GameBoard;

// Result bits of LudoPlayer::Update; 0 means the move ended on an ordinary square.
enum { UpdateBusy = 2, UpdateWon = 4, UpdateHome = 8, UpdateIdle = 16 };

// One seat: its colour, name, four pieces and yard; answers the rules and carries out moves.
class LudoPlayer {
  public:
    static constexpr int NoPiece = 4;

    // Raises SDL_Exception when the piece picture cannot be loaded.
    LudoPlayer(GameBoard* gameBoard, int seatColour, const std::string& playerName);
    virtual ~LudoPlayer() = default;

    LudoPlayer(const LudoPlayer&) = delete;
    LudoPlayer& operator=(const LudoPlayer&) = delete;

    // The piece whose square lies under the window point (x, y), or NoPiece.
    virtual int GetPieceAt(int x, int y);

    int GetColour() const { return colour; }
    int GetPiecesLeft() const { return piecesLeft; }
    const std::string& GetName() const { return name; }
    TurnState GetTurnState() const { return turnState; }
    void SetTurnState(TurnState state) { turnState = state; }

    bool HasFinished() const;
    bool IsInYard(int k) const;
    bool IsPieceFinished(int k) const;
    bool AllInYard() const;
    bool NoneInYard() const;
    // The square after node on this colour's route; null after a final square.
    PathNode* NextNode(const PathNode* node) const;

    bool CanMove(int steps, int k) const;
    bool HasMove(int steps) const;
    bool CanStart() const;
    void StartPiece(int k);
    void SelectMove(int steps, int k);
    // One logic tick of the current move; returns the Update* bits.
    int Update();
    void Draw(SDL_Surface* target);

    LudoPiece* GetPiece(int k) const;
    GameBoard* GetBoard() const { return board; }
    LudoPiece* GetMovingPiece() const { return movingPiece; }

  protected:
    // The piece whose square lies under (x, y) with squares shifted by (offsetX, offsetY).
    int PieceAt(int x, int y, int offsetX, int offsetY) const;
    PathNode* GetStartNode() const { return startNode; }

  private:
    int Arrive();

    int colour;
    GameBoard* board;        // borrowed from the session
    LudoPiece* movingPiece;  // one of pieces, or null
    PathNode* startNode;     // borrowed from the board's path
    PathNode yardSpots[4];
    std::unique_ptr<SurfaceHolder> picture;  // shared by the four pieces
    std::unique_ptr<LudoPiece> pieces[4];    // piece k belongs to yard spot k
    int piecesLeft;
    int stepsLeft;
    std::string name;
    TurnState turnState;
};

// The players of one game in seat order.
using PlayerList = std::vector<std::unique_ptr<LudoPlayer>>;

#endif
