#ifndef TARVELLO_DATAGEN_SYNTH_H
#define TARVELLO_DATAGEN_SYNTH_H

class SoundBuffer;
class SeededRandom;

// The instruments of the music and the sound effects, each adding one note to a buffer.
namespace Synth {

struct Voice {
    double start;      // seconds
    double length;     // seconds until the key is let go
    double frequency;  // Hz
    float gain;
    float pan;  // -1 left to 1 right
};

double MidiToHz(int note);
float Sine(double cycles);  // sin(2 pi cycles) from a table

void Pad(SoundBuffer& out, const Voice& voice);    // slow, warm chord tone
void Pluck(SoundBuffer& out, const Voice& voice);  // short harp-like tone
void Bell(SoundBuffer& out, const Voice& voice);   // soft electric-piano melody tone
void Bass(SoundBuffer& out, const Voice& voice);
void Kick(SoundBuffer& out, double start, float gain);
void Snare(SoundBuffer& out, double start, float gain, SeededRandom& random);
void Hat(SoundBuffer& out, double start, float gain, SeededRandom& random);
// A hard little object striking a surface: a click with a few short resonances.
void Knock(SoundBuffer& out, double start, float gain, float pan, float brightness,
           SeededRandom& random);
void Tick(SoundBuffer& out, double start, float gain);  // a soft menu tick
void Chime(SoundBuffer& out, const Voice& voice);       // a bright bell stroke

}  // namespace Synth

#endif
