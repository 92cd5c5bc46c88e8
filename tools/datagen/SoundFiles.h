#ifndef TARVELLO_DATAGEN_SOUND_FILES_H
#define TARVELLO_DATAGEN_SOUND_FILES_H

#include <string>

class SoundBuffer;

// Sound writers; both raise std::runtime_error when the file cannot be written.
namespace SoundFiles {

void WriteWav(const SoundBuffer& sound, const std::string& path);  // 16-bit PCM stereo
void WriteOgg(const SoundBuffer& sound, const std::string& path, float quality);

}  // namespace SoundFiles

#endif
