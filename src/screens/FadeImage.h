#ifndef TARVELLO_FADE_IMAGE_H
#define TARVELLO_FADE_IMAGE_H

#include <SDL.h>

#include <memory>
#include <string>

#include "SDL_Engine/SurfaceHolder.h"

// One splash picture that fades in from black, stays a while and fades out to black again.
class FadeImage {
  public:
    // Raises SDL_Exception when the picture cannot be loaded.
    FadeImage(const std::string& file, Uint32 fadeInMs, Uint32 holdMs, Uint32 fadeOutMs);

    FadeImage(const FadeImage&) = delete;
    FadeImage& operator=(const FadeImage&) = delete;

    void Update();
    bool Finished() const { return level < -254; }
    // How opaque the black cover over the picture is; never beyond 255, even after a stall.
    Uint8 Opacity() const;
    void Draw(SDL_Surface* target) const;

    int GetLevel() const { return level; }

  private:
    enum Phase { FadingIn, Holding, FadingOut };

    void Fade(Uint32 now);

    Phase phase;
    Uint32 holdStart;
    Uint32 phaseStart;  // 0 until the first update of the current fade
    bool started;
    Sint32 level;  // 255 black .. 0 visible while fading in, 0 .. -255 while fading out
    std::unique_ptr<SurfaceHolder> picture;
    Uint32 fadeInTime, holdTime, fadeOutTime;
};

#endif
