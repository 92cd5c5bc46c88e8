#ifndef TARVELLO_SYSTEM_RANDOM_H
#define TARVELLO_SYSTEM_RANDOM_H

#include <cstdint>

// Fills words with count values from the system's random source; false when it cannot give
// them all. One implementation per platform, chosen by the build.
bool ReadSystemRandom(uint32_t* words, int count);

#endif
