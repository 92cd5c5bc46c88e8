#ifndef TARVELLO_GAME_RESULTS_H
#define TARVELLO_GAME_RESULTS_H

#include <SDL.h>

#include <memory>
#include <string>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SDL_GameState.h"

// The end of a game: the players in finishing order and the time played, drawn once.
class GameResults final : public SDL_GameState {
  public:
    // "Total Time: hh:mm:ss" for a play time in milliseconds.
    static std::string FormatTime(Uint32 playTime);

    GameResults() = default;

    bool Init() override;
    void HandleKeyDown(SDL_Event* event) override;
    void HandleUserEvent(SDL_Event* event) override;
    void Draw(SDL_Surface* screen) override;

  private:
    std::unique_ptr<SurfaceHolder> RenderTable(const FontHolder* font, int lineSkip) const;
};

#endif
