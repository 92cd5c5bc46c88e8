#include "SDL_Engine/ResourceCounters.h"

int SurfaceCount = 0;
int FontCount = 0;
int MusicCount = 0;
int ChunkCount = 0;

bool MusicEnabled = true;
bool SoundEnabled = true;
