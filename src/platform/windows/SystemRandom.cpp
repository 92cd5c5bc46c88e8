#include "platform/SystemRandom.h"

#include <windows.h>

// After windows.h, whose types it uses.
#include <ntsecapi.h>

bool ReadSystemRandom(uint32_t* words, int count) {
    if (count < 0) return false;
    return RtlGenRandom(words, static_cast<ULONG>(count) * sizeof(uint32_t)) != FALSE;
}
