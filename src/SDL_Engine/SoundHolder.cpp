#include "SDL_Engine/SoundHolder.h"

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"

SoundHolder::SoundHolder(const std::string& path)
    : chunk(Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1)) {
    if (!chunk) throw SDL_Exception(SDL_GetError());
    ++ChunkCount;
}

SoundHolder::~SoundHolder() {
    if (chunk) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    --ChunkCount;
}

void SoundHolder::Play() {
    if (SoundEnabled) Mix_PlayChannelTimed(-1, chunk, 0, -1);
}
