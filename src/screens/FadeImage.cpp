#include "screens/FadeImage.h"

#include <cstdlib>

#include "SDL_Engine/Clock.h"

FadeImage::FadeImage(const std::string& file, Uint32 fadeInMs, Uint32 holdMs, Uint32 fadeOutMs)
    : phase(FadingIn),
      holdStart(0),
      phaseStart(0),
      started(false),
      level(255),
      picture(std::make_unique<SurfaceHolder>(file)),
      fadeInTime(fadeInMs),
      holdTime(holdMs),
      fadeOutTime(fadeOutMs) {}

void FadeImage::Update() {
    Uint32 now = Clock::Ticks();
    if (phase == Holding) {
        if (now - holdStart > holdTime) {  // elapsed time, so the hold survives the wrap
            phase = FadingOut;
            phaseStart = now;
            started = true;
        }
        return;
    }
    if (!started) {
        phaseStart = now;
        started = true;
    }
    Fade(now);
}

void FadeImage::Fade(Uint32 now) {
    double elapsed = static_cast<double>(now - phaseStart);
    if (phase == FadingIn) {
        level = static_cast<Sint32>((1.0 - elapsed / fadeInTime) * 255);
        if (level < 0) {
            phase = Holding;
            holdStart = now;
        }
    } else {
        level = static_cast<Sint32>((1.0 - elapsed / fadeOutTime) * 255) - 255;
    }
}

Uint8 FadeImage::Opacity() const {
    int magnitude = std::abs(level);
    return static_cast<Uint8>(magnitude > 255 ? 255 : magnitude);
}

void FadeImage::Draw(SDL_Surface* target) const {
    if (target) picture->DrawOn(target, 0, 0);
}
