#ifndef TARVELLO_C_GAME_SESSION_H
#define TARVELLO_C_GAME_SESSION_H

#include <memory>
#include <vector>

#include "SDL_Engine/SDL_GameState.h"
#include "game/GameBoard.h"
#include "game/GameConsole.h"
#include "game/GameControl.h"
#include "game/LudoPlayer.h"
#include "game/PlayerInfo.h"

// A game of Ludo being played: the board, the players, the message panel, the referee and the
// throw button.
class cGameSession final : public SDL_GameState {
  public:
    explicit cGameSession(const std::vector<PlayerInfo>& seats);

    bool Init() override;
    void Cleanup() override;
    void HandleKeyDown(SDL_Event* event) override;
    // The widgets, then the board (and the referee for a press).
    void HandleMouseMotion(SDL_Event* event) override;
    void HandleMouseButtonUp(SDL_Event* event) override;
    void HandleMouseButtonDown(SDL_Event* event) override;
    void HandleUserEvent(SDL_Event* event) override;
    void Resume() override;
    void Update() override;
    void Draw(SDL_Surface* screen) override;

    const PlayerList& GetPlayers() const { return players; }
    GameControl* GetController() const { return controller.get(); }
    GameBoard& GetBoard() { return board; }
    GameConsole& GetConsole() { return console; }

  private:
    void DrawStillLayer(SDL_Surface* screen);
    FrameKey Key() const;

    // Each member borrows only from those above it, so none outlives what it points into.
    GameBoard board;
    GameConsole console;
    PlayerList players;
    std::unique_ptr<GameControl> controller;  // null outside Init .. Cleanup
    // The backdrop with the board on it, drawn again only when the board has moved.
    std::unique_ptr<SurfaceHolder> stillLayer;  // null until the first draw
    int layerX, layerY;                         // where the board was when the layer was drawn
};

#endif
