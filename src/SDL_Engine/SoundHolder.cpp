#include "SDL_Engine/SoundHolder.h"

SoundHolder::SoundHolder(const std::string& path)
    : chunk(Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1)) {}

void SoundHolder::Play() {
    if (SoundEnabled) Mix_PlayChannelTimed(-1, chunk.get(), 0, -1);
}
