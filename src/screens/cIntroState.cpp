#include "screens/cIntroState.h"

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/UserEvent.h"
#include "SDL_Engine/WindowSize.h"
#include "game/Commands.h"
#include "screens/MainMenu.h"

namespace {
const Uint32 kFadeIn = 1500;
const Uint32 kHold = 2000;
const Uint32 kFadeOut = 1500;

void GoToMainMenu() { SDL_Engine::GetInstance()->ChangeState(new MainMenu()); }
}  // namespace

bool cIntroState::Init() {
    background = std::make_unique<SurfaceHolder>(
        CreateSurface(kWindowWidth, kWindowHeight, 0, PixelLayout::Rgb32));
    background->Fill(nullptr, 0, 0, 0);
    // The last picture is shown first.
    pictures.push_back(
        std::make_unique<FadeImage>(DataFiles::kLibraryCard, kFadeIn, kHold, kFadeOut));
    pictures.push_back(
        std::make_unique<FadeImage>(DataFiles::kStudioCard, kFadeIn, kHold, kFadeOut));
    return true;
}

void cIntroState::Cleanup() { pictures.clear(); }

void cIntroState::HandleKeyDown(SDL_Event* event) {
    switch (event->key.keysym.sym) {
        case SDLK_RETURN:
            if (pictures.empty()) return;
            DropShowing();
            if (pictures.empty()) GoToMainMenu();
            return;  // the intro may be gone
        case SDLK_ESCAPE:
            GoToMainMenu();
            return;  // the intro is gone
        default:
            return;
    }
}

void cIntroState::HandleUserEvent(SDL_Event* event) {
    if (event->user.code != kIntroFinishedCode) return;
    GoToMainMenu();
    // the intro is gone
}

void cIntroState::Update() {
    if (pictures.empty()) return;
    pictures.back()->Update();
    if (!pictures.back()->Finished()) return;
    DropShowing();
    if (!pictures.empty()) return;
    PushUserEvent(kSignalEvent, kIntroFinishedCode);
}

void cIntroState::Draw(SDL_Surface* screen) {
    if (!screen || pictures.empty()) return;
    pictures.back()->Draw(screen);
    background->SetAlpha(pictures.back()->Opacity());
    background->DrawOn(screen, 0, 0);
}

void cIntroState::DropShowing() { pictures.pop_back(); }
