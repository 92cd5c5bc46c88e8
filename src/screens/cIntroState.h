#ifndef TARVELLO_C_INTRO_STATE_H
#define TARVELLO_C_INTRO_STATE_H

#include "SDL_Engine/SDL_GameState.h"

// The opening screen: two splash pictures fading in and out, then the main menu.
class cIntroState : public SDL_GameState {
  public:
    bool Init() override;
};

#endif
