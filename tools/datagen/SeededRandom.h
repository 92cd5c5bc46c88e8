#ifndef TARVELLO_DATAGEN_SEEDED_RANDOM_H
#define TARVELLO_DATAGEN_SEEDED_RANDOM_H

#include <cstdint>

// A small xorshift generator with a fixed seed, so every run produces the same files.
class SeededRandom {
  public:
    explicit SeededRandom(uint32_t seed) : state(seed ? seed : 1u) {}

    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // Uniform in [0, 1).
    float Unit() { return (Next() >> 8) * (1.0f / 16777216.0f); }
    float Between(float low, float high) { return low + (high - low) * Unit(); }

  private:
    uint32_t state;
};

#endif
