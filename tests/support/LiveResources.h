#ifndef TARVELLO_TESTS_LIVE_RESOURCES_H
#define TARVELLO_TESTS_LIVE_RESOURCES_H

#include <map>
#include <string>

#include "SDL_Engine/ResourceCounters.h"

// The live counters by name, so that a failed check shows which kind is off.
using Counts = std::map<std::string, int>;

inline Counts LiveResources() {
    return {{"chunks", ChunkCount},
            {"fonts", FontCount},
            {"music", MusicCount},
            {"surfaces", SurfaceCount}};
}

const Counts NoneLive = {{"chunks", 0}, {"fonts", 0}, {"music", 0}, {"surfaces", 0}};

#endif
