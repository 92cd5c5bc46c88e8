#ifndef TARVELLO_SOUND_HOLDER_H
#define TARVELLO_SOUND_HOLDER_H

#include <SDL_mixer.h>

#include <string>

// Owns one decoded sound, counted in ChunkCount.
class SoundHolder {
  public:
    // Raises SDL_Exception with SDL's error when the sound cannot be loaded.
    explicit SoundHolder(const std::string& path);
    ~SoundHolder();

    SoundHolder(const SoundHolder&) = delete;
    SoundHolder& operator=(const SoundHolder&) = delete;

    // Plays the sound once on the first free channel, unless sound is switched off.
    void Play();
    Mix_Chunk* Get() const { return chunk; }

  private:
    Mix_Chunk* chunk;  // owned
};

#endif
