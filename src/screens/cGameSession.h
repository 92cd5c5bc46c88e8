#ifndef TARVELLO_C_GAME_SESSION_H
#define TARVELLO_C_GAME_SESSION_H

#include <vector>

#include "SDL_Engine/SDL_GameState.h"
#include "game/GameBoard.h"
#include "game/GameConsole.h"
#include "game/PlayerInfo.h"

class GameControl;
class SurfaceHolder;
class LudoPlayer;

// A game of Ludo being played: the board, the players, the message panel, the referee and the
// throw button.
class cGameSession final : public SDL_GameState {
  public:
    static const int kThrowCode = 1;
    static const int kGameOverCode = 670;

    explicit cGameSession(const std::vector<PlayerInfo>& seats);
    ~cGameSession() override;

    bool Init() override;
    void Cleanup() override;
    void HandleKeyDown(SDL_Event* event) override;
    void HandleMouseMotion(SDL_Event* event) override;
    void HandleMouseButtonUp(SDL_Event* event) override;
    void HandleMouseButtonDown(SDL_Event* event) override;
    void HandleUserEvent(SDL_Event* event) override;
    void Resume() override;
    void Update() override;
    void Draw(SDL_Surface* screen) override;

    const std::vector<LudoPlayer*>& GetPlayers() const { return players; }
    GameControl* GetController() const { return controller; }
    GameBoard& GetBoard() { return board; }
    GameConsole& GetConsole() { return console; }

  private:
    void EndGame();
    void DrawStillLayer(SDL_Surface* screen);
    FrameKey Key() const;

    std::vector<LudoPlayer*> players;  // owned
    GameConsole console;
    GameControl* controller;  // owned; null outside Init .. Cleanup
    GameBoard board;
    // The backdrop with the board on it, drawn again only when the board has moved.
    SurfaceHolder* stillLayer;  // owned; null until the first draw
    int layerX, layerY;         // where the board was when the layer was drawn
};

#endif
