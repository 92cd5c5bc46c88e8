#include "SDL_Engine/SDL_GameState.h"

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/WindowSize.h"

namespace {
Uint32 nextRevealTime = 0;
}

Uint32 SDL_GameState::NextRevealTime() { return nextRevealTime; }

void SDL_GameState::SetNextRevealTime(Uint32 ticks) { nextRevealTime = ticks; }

SDL_GameState::SDL_GameState() {
    openRect.x = kWindowWidth / 2;
    openRect.y = kWindowHeight / 2;
    openRect.w = 0;
    openRect.h = 0;
}

void SDL_GameState::HandleMouseMotion(SDL_Event* event) {
    widgets.MouseMove(event->motion.x, event->motion.y);
}

void SDL_GameState::HandleMouseButtonUp(SDL_Event* event) {
    widgets.MouseUp(event->button.x, event->button.y);
}

void SDL_GameState::HandleMouseButtonDown(SDL_Event* event) {
    widgets.MouseDown(event->button.x, event->button.y);
}

void SDL_GameState::Draw(SDL_Surface* screen) {
    if (openRect.x < 1 && openRect.y < 1) return;
    if (Clock::Ticks() <= nextRevealTime) return;
    if (openRect.x > 0) {
        openRect.x = static_cast<Sint16>(openRect.x - 15);
        openRect.w = static_cast<Uint16>(openRect.w + 30);
        if (openRect.x < 0) openRect.x = 0;
    }
    if (openRect.y > 0) {
        openRect.y = static_cast<Sint16>(openRect.y - 15);
        openRect.h = static_cast<Uint16>(openRect.h + 30);
        if (openRect.y < 0) openRect.y = 0;
    }
    if (screen) SDL_SetClipRect(screen, &openRect);
    nextRevealTime = Clock::Ticks() + 10;
}

bool SDL_GameState::RepeatsLastFrame(SDL_Surface* screen, const FrameKey& key) {
    const bool repeats = screen == lastScreen && key == lastKey;
    // A frame drawn through a smaller clip (the opening reveal) leaves older pixels outside it.
    const SDL_Rect& clip = screen->clip_rect;
    const bool whole = clip.x == 0 && clip.y == 0 && clip.w == screen->w && clip.h == screen->h;
    const bool flips = (screen->flags & SDL_DOUBLEBUF) == SDL_DOUBLEBUF;
    lastScreen = (whole && !flips) ? screen : nullptr;
    lastKey = key;
    return repeats;
}
