#ifndef TARVELLO_C_INTRO_STATE_H
#define TARVELLO_C_INTRO_STATE_H

#include <memory>
#include <vector>

#include "SDL_Engine/SDL_GameState.h"
#include "screens/FadeImage.h"

// The opening screen: two splash pictures fading in and out, then the main menu.
class cIntroState final : public SDL_GameState {
  public:
    cIntroState() = default;

    bool Init() override;
    void Cleanup() override;
    void HandleKeyDown(SDL_Event* event) override;
    void HandleUserEvent(SDL_Event* event) override;
    void Update() override;
    void Draw(SDL_Surface* screen) override;

    std::size_t PicturesLeft() const { return pictures.size(); }
    const FadeImage* Showing() const { return pictures.empty() ? nullptr : pictures.back().get(); }

  private:
    void DropShowing();

    std::vector<std::unique_ptr<FadeImage>> pictures;  // the last one is on screen
};

#endif
