#ifndef TARVELLO_RESOURCE_COUNTERS_H
#define TARVELLO_RESOURCE_COUNTERS_H

// Live resources of each kind, kept exact by the holders and printed at shutdown.
extern int SurfaceCount;
extern int FontCount;
extern int MusicCount;
extern int ChunkCount;

// Player switches from the options menu; they last for one run.
extern bool MusicEnabled;
extern bool SoundEnabled;

#endif
