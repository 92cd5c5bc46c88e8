#ifndef TARVELLO_SOUND_HOLDER_H
#define TARVELLO_SOUND_HOLDER_H

#include <SDL_mixer.h>

#include <string>

#include "SDL_Engine/CountedHandle.h"
#include "SDL_Engine/ResourceCounters.h"

// Frees a decoded sound when its holder goes.
struct ChunkFree {
    void operator()(Mix_Chunk* decoded) const { Mix_FreeChunk(decoded); }
};

// Owns one decoded sound, counted in ChunkCount.
class SoundHolder {
  public:
    // Raises SDL_Exception with SDL's error when the sound cannot be loaded.
    explicit SoundHolder(const std::string& path);

    // Plays the sound once on the first free channel, unless sound is switched off.
    void Play();
    Mix_Chunk* Get() const { return chunk.get(); }

  private:
    CountedHandle<Mix_Chunk, ChunkFree, ChunkCount> chunk;
};

#endif
