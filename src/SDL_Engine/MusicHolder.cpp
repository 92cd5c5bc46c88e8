#include "SDL_Engine/MusicHolder.h"

#include <SDL.h>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"

MusicHolder::MusicHolder(const std::string& path) : music(Mix_LoadMUS(path.c_str())) {
    if (!music) throw SDL_Exception(SDL_GetError());
    ++MusicCount;
}

MusicHolder::~MusicHolder() {
    // Fade whatever is playing over 100 ms so the next screen starts in silence, not with a click.
    while (!Mix_FadeOutMusic(100) && Mix_PlayingMusic()) SDL_Delay(1);
    if (music) {
        Mix_FreeMusic(music);
        music = nullptr;
    }
    --MusicCount;
}

void MusicHolder::Play() {
    if (MusicEnabled) Mix_PlayMusic(music, -1);
}
