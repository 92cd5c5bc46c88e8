#ifndef TARVELLO_MUSIC_HOLDER_H
#define TARVELLO_MUSIC_HOLDER_H

#include <SDL_mixer.h>

#include <string>

// Owns one music stream, counted in MusicCount; fades the music out when it goes.
class MusicHolder {
  public:
    // Raises SDL_Exception with SDL's error when the music cannot be loaded.
    explicit MusicHolder(const std::string& path);
    ~MusicHolder();

    MusicHolder(const MusicHolder&) = delete;
    MusicHolder& operator=(const MusicHolder&) = delete;

    // Plays the music in an endless loop, unless music is switched off.
    void Play();
    Mix_Music* Get() const { return music; }

  private:
    static void WaitForFadeOut();

    Mix_Music* music;  // owned
};

#endif
