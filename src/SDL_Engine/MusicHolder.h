#ifndef TARVELLO_MUSIC_HOLDER_H
#define TARVELLO_MUSIC_HOLDER_H

#include <SDL_mixer.h>

#include <string>

#include "SDL_Engine/CountedHandle.h"
#include "SDL_Engine/ResourceCounters.h"

// Frees a music stream when its holder goes.
struct MusicFree {
    void operator()(Mix_Music* loaded) const { Mix_FreeMusic(loaded); }
};

// Owns one music stream, counted in MusicCount; fades the music out when it goes.
class MusicHolder {
  public:
    // Raises SDL_Exception with SDL's error when the music cannot be loaded.
    explicit MusicHolder(const std::string& path);
    // Fades the music out; the stream is freed after.
    ~MusicHolder();

    // Plays the music in an endless loop, unless music is switched off.
    void Play();
    Mix_Music* Get() const { return music.get(); }

  private:
    static void WaitForFadeOut();

    CountedHandle<Mix_Music, MusicFree, MusicCount> music;
};

#endif
