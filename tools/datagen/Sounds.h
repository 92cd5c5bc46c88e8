#ifndef TARVELLO_DATAGEN_SOUNDS_H
#define TARVELLO_DATAGEN_SOUNDS_H

#include "SoundBuffer.h"

// The game's music and sound effects, composed and synthesised here.
namespace Sounds {

SoundBuffer MenuMusic();  // a seamless loop of whole bars
SoundBuffer DiceRoll();
SoundBuffer SelectTick();
SoundBuffer ConfirmChime();

// Scales the sound so that its loudest sample has the given level.
void Normalise(SoundBuffer& sound, float peak);

}  // namespace Sounds

#endif
