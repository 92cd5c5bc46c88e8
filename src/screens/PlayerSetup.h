#ifndef TARVELLO_PLAYER_SETUP_H
#define TARVELLO_PLAYER_SETUP_H

#include <memory>
#include <vector>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_GameState.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "SDL_Engine/TextCache.h"
#include "game/PlayerInfo.h"

// The seats of the next game: a name and Human or Computer for each colour, then Start.
class PlayerSetup final : public SDL_GameState {
  public:
    PlayerSetup();

    bool Init() override;
    void Cleanup() override;
    void HandleKeyDown(SDL_Event* event) override;
    void HandleUserEvent(SDL_Event* event) override;
    void Draw(SDL_Surface* screen) override;

    SDL_TextBox* GetNameBox(int seat) const { return nameBoxes[seat]; }
    SDL_CheckBoxList* GetControlList(int seat) const { return controlLists[seat]; }

    // The seats as they stand, in seat order; empty when Start would be refused.
    std::vector<PlayerInfo> ValidSeats() const;

  private:
    void BuildBackground();
    void AddSeat(int seat);
    void Start();

    std::unique_ptr<FontHolder> helpFont;
    TextCache helpText;
    SDL_TextBox* nameBoxes[4];          // borrowed from widgets
    SDL_CheckBoxList* controlLists[4];  // borrowed from widgets
};

#endif
