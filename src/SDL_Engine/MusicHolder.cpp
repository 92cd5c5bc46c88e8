#include "SDL_Engine/MusicHolder.h"

#include <SDL.h>

MusicHolder::MusicHolder(const std::string& path) : music(Mix_LoadMUS(path.c_str())) {}

MusicHolder::~MusicHolder() {
    // Fade whatever is playing over 100 ms so the next screen starts in silence, not with a click.
    while (!Mix_FadeOutMusic(100) && Mix_PlayingMusic()) SDL_Delay(1);
    WaitForFadeOut();
    // A fade the device never finished would make the mixer wait for ever while freeing.
    if (Mix_FadingMusic() == MIX_FADING_OUT) Mix_HaltMusic();
}

void MusicHolder::WaitForFadeOut() {
    // The mixer would poll the end of the fade only every 100 ms while freeing the music; watching
    // it here lets the next screen come up as soon as the music is silent. This waits on the audio
    // device, so it reads SDL's real clock; the bound keeps a stalled device from holding the game.
    const Uint32 start = SDL_GetTicks();
    while (Mix_FadingMusic() == MIX_FADING_OUT && Mix_PlayingMusic() &&
           SDL_GetTicks() - start < 1000) {
        SDL_Delay(1);
    }
}

void MusicHolder::Play() {
    if (MusicEnabled) Mix_PlayMusic(music.get(), -1);
}
