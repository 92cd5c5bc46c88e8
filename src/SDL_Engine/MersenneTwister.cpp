#include "SDL_Engine/MersenneTwister.h"

#include <cstdio>
#include <ctime>

MersenneTwister SharedRandom;

namespace {
const uint32_t kMatrixA = 0x9908B0DFu;
const uint32_t kUpperMask = 0x80000000u;
const uint32_t kLowerMask = 0x7FFFFFFFu;
const int M = 397;

uint32_t hashCounter = 0;

uint32_t Twist(uint32_t upper, uint32_t lower, uint32_t far) {
    uint32_t y = (upper & kUpperMask) | (lower & kLowerMask);
    return far ^ (y >> 1) ^ ((lower & 1u) ? kMatrixA : 0u);
}
}  // namespace

uint32_t TimeSeed(uint32_t t, uint32_t c) {
    uint32_t h1 = 0;
    for (int i = 0; i < 4; ++i) h1 = h1 * 257u + ((t >> (8 * i)) & 0xFFu);
    uint32_t h2 = 0;
    for (int i = 0; i < 4; ++i) h2 = h2 * 257u + ((c >> (8 * i)) & 0xFFu);
    return (h1 + hashCounter++) ^ h2;
}

MersenneTwister::MersenneTwister(RandomSource source) : next(0), left(0) {
    uint32_t key[N];
    if (source(key, N)) {
        init_by_array(key, N);
    } else {
        SeedFromTime();
    }
}

void MersenneTwister::SeedFrom(const char* randomSource) {
    uint32_t key[N];
    int count = 0;
    if (FILE* source = std::fopen(randomSource, "rb")) {
        while (count < N && std::fread(&key[count], sizeof(uint32_t), 1, source) == 1) ++count;
        std::fclose(source);
    }
    if (count == N) {
        init_by_array(key, N);
    } else {
        SeedFromTime();
    }
}

void MersenneTwister::SeedFromTime() {
    init_genrand(
        TimeSeed(static_cast<uint32_t>(std::time(nullptr)), static_cast<uint32_t>(std::clock())));
}

void MersenneTwister::init_genrand(uint32_t seed) {
    state[0] = seed;
    for (int i = 1; i < N; ++i) {
        state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + static_cast<uint32_t>(i);
    }
    Regenerate();
}

void MersenneTwister::init_by_array(const uint32_t* key, int length) {
    state[0] = 19650218u;
    for (int i = 1; i < N; ++i) {
        state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + static_cast<uint32_t>(i);
    }
    int i = 1, j = 0;
    for (int k = (N > length ? N : length); k; --k) {
        state[i] = (state[i] ^ ((state[i - 1] ^ (state[i - 1] >> 30)) * 1664525u)) + key[j] +
                   static_cast<uint32_t>(j);
        ++i;
        ++j;
        if (i >= N) {
            state[0] = state[N - 1];
            i = 1;
        }
        if (j >= length) j = 0;
    }
    for (int k = N - 1; k; --k) {
        state[i] = (state[i] ^ ((state[i - 1] ^ (state[i - 1] >> 30)) * 1566083941u)) -
                   static_cast<uint32_t>(i);
        ++i;
        if (i >= N) {
            state[0] = state[N - 1];
            i = 1;
        }
    }
    state[0] = 0x80000000u;
    Regenerate();
}

void MersenneTwister::Regenerate() {
    int k = 0;
    for (; k < N - M; ++k) state[k] = Twist(state[k], state[k + 1], state[k + M]);
    for (; k < N - 1; ++k) state[k] = Twist(state[k], state[k + 1], state[k + M - N]);
    state[N - 1] = Twist(state[N - 1], state[0], state[M - 1]);
    left = N;
    next = 0;
}

uint32_t MersenneTwister::genrand_int32() {
    if (left == 0) Regenerate();
    --left;
    uint32_t y = state[next++];
    y ^= (y >> 11);
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= (y >> 18);
    return y;
}

uint32_t MersenneTwister::RandomInt(uint32_t n) {
    uint32_t m = n - 1;
    uint32_t mask = m;
    mask |= mask >> 1;
    mask |= mask >> 2;
    mask |= mask >> 4;
    mask |= mask >> 8;
    mask |= mask >> 16;
    uint32_t y;
    do {
        y = genrand_int32() & mask;
    } while (y > m);
    return y;
}

uint32_t RandomInt(uint32_t n) { return SharedRandom.RandomInt(n); }
