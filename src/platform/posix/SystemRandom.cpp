#include "platform/SystemRandom.h"

#include <cstdio>

bool ReadSystemRandom(uint32_t* words, int count) {
    FILE* source = std::fopen("/dev/urandom", "rb");
    if (!source) return false;
    int read = 0;
    while (read < count && std::fread(&words[read], sizeof(uint32_t), 1, source) == 1) ++read;
    std::fclose(source);
    return read == count;
}
