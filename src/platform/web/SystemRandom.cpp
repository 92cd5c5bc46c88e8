#include "platform/SystemRandom.h"

#include <unistd.h>

// The browser's random source (crypto.getRandomValues), which takes at most 256 bytes a call.
bool ReadSystemRandom(uint32_t* words, int count) {
    const int perCall = 256 / static_cast<int>(sizeof(uint32_t));
    for (int done = 0; done < count; done += perCall) {
        const int now = count - done < perCall ? count - done : perCall;
        if (getentropy(&words[done], static_cast<size_t>(now) * sizeof(uint32_t)) != 0)
            return false;
    }
    return true;
}
