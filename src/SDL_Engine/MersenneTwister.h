#ifndef TARVELLO_MERSENNE_TWISTER_H
#define TARVELLO_MERSENNE_TWISTER_H

#include <cstdint>

#include "platform/SystemRandom.h"

// MT19937, the game's one source of chance (the die and the computer's choices).
class MersenneTwister {
  public:
    static const int N = 624;

    // Fills words with count values from a random source; false when it cannot give them all.
    typedef bool (*RandomSource)(uint32_t* words, int count);

    // Seeds from the source (the system's, unless a test gives another) when it gives 624
    // words, else from the time and process clock.
    explicit MersenneTwister(RandomSource source = ReadSystemRandom);

    // Seeds from the first 624 words of the file when it has them, else from the time and the
    // process clock, so two generators seeded in the same second still differ.
    void SeedFrom(const char* randomSource);

    void init_genrand(uint32_t seed);
    void init_by_array(const uint32_t* key, int length);
    uint32_t genrand_int32();

    // Uniform in 0 .. n - 1 by masking and rejection; n = 0 gives a full 32-bit output.
    uint32_t RandomInt(uint32_t n);

  private:
    // The fallback when no random source gives 624 words: the time and the process clock.
    void SeedFromTime();
    void Regenerate();

    uint32_t state[N];
    int next;
    int left;
};

// The shared generator, created and seeded before the game starts.
extern MersenneTwister SharedRandom;

// The seed of the time fallback: the calendar time t and the process clock c, each mixed byte
// by byte, lowest first; a counter raised on every call keeps seeds within one second apart.
uint32_t TimeSeed(uint32_t t, uint32_t c);

// RandomInt of the shared generator.
uint32_t RandomInt(uint32_t n);

#endif
