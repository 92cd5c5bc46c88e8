#include <cmath>

#include "SeededRandom.h"
#include "Sounds.h"
#include "Synth.h"

namespace Sounds {

namespace {
constexpr double Beat = 60.0 / 96.0;
constexpr double Bar = 4 * Beat;
constexpr int Bars = 32;
constexpr int BridgeStart = 16, BridgeEnd = 24;  // the quieter middle section

struct Chord {
    int bass;
    int tones[3];
};

// Two eight-bar phrases, a bridge that leans on the minor chords, and the second phrase again;
// the last bar leads back into the first.
const Chord Progression[Bars] = {
    {36, {60, 64, 67}}, {45, {57, 60, 64}}, {41, {57, 60, 65}}, {43, {55, 59, 62}},
    {36, {60, 64, 67}}, {45, {57, 60, 64}}, {38, {57, 62, 65}}, {43, {55, 59, 62}},
    {41, {57, 60, 65}}, {43, {55, 59, 62}}, {40, {55, 59, 64}}, {45, {57, 60, 64}},
    {41, {57, 60, 65}}, {43, {55, 59, 62}}, {38, {57, 62, 65}}, {43, {55, 59, 65}},
    {45, {57, 60, 64}}, {41, {57, 60, 65}}, {40, {55, 60, 64}}, {43, {55, 59, 62}},
    {38, {57, 62, 65}}, {40, {55, 59, 64}}, {41, {57, 60, 65}}, {43, {55, 59, 65}},
    {41, {57, 60, 65}}, {43, {55, 59, 62}}, {40, {55, 59, 64}}, {45, {57, 60, 64}},
    {41, {57, 60, 65}}, {43, {55, 59, 62}}, {38, {57, 62, 65}}, {43, {55, 59, 65}},
};

struct MelodyNote {
    int bar;
    double beat, beats;
    int note;
};

const MelodyNote Melody[] = {
    {0, 0, 1, 76},
    {0, 1, 1, 79},
    {0, 2, .5, 81},
    {0, 2.5, .5, 79},
    {0, 3, 1, 76},
    {1, 0, 1.5, 72},
    {1, 1.5, .5, 74},
    {1, 2, 2, 76},
    {2, 0, 1, 77},
    {2, 1, 1, 81},
    {2, 2, 1, 84},
    {2, 3, 1, 81},
    {3, 0, 3, 79},
    {4, 0, 1, 76},
    {4, 1, 1, 79},
    {4, 2, .5, 81},
    {4, 2.5, .5, 79},
    {4, 3, 1, 76},
    {5, 0, 1.5, 84},
    {5, 1.5, .5, 83},
    {5, 2, 2, 81},
    {6, 0, 1, 77},
    {6, 1, 1, 81},
    {6, 2, .5, 79},
    {6, 2.5, .5, 77},
    {6, 3, 1, 74},
    {7, 0, 2, 71},
    {7, 2, 1, 74},
    {7, 3, 1, 79},
    {8, 0, 1.5, 81},
    {8, 1.5, .5, 79},
    {8, 2, 1, 77},
    {8, 3, 1, 81},
    {9, 0, 1.5, 83},
    {9, 1.5, .5, 81},
    {9, 2, 2, 79},
    {10, 0, 1, 79},
    {10, 1, 1, 76},
    {10, 2, 1, 83},
    {10, 3, 1, 79},
    {11, 0, 3, 81},
    {11, 3, 1, 76},
    {12, 0, 1, 77},
    {12, 1, 1, 81},
    {12, 2, 1.5, 84},
    {12, 3.5, .5, 81},
    {13, 0, 1, 83},
    {13, 1, 1, 86},
    {13, 2, 1, 83},
    {13, 3, 1, 79},
    {14, 0, 1.5, 81},
    {14, 1.5, .5, 77},
    {14, 2, 1, 74},
    {14, 3, 1, 77},
    {15, 0, 2, 79},
    {15, 2, 1, 77},
    {15, 3, 1, 74},
    // The bridge: longer, lower notes.
    {16, 0, 2, 72},
    {16, 2, 1, 71},
    {16, 3, 1, 69},
    {17, 0, 3, 69},
    {17, 3, 1, 72},
    {18, 0, 2, 76},
    {18, 2, 2, 72},
    {19, 0, 3, 74},
    {19, 3, 1, 71},
    {20, 0, 2, 74},
    {20, 2, 1, 77},
    {20, 3, 1, 76},
    {21, 0, 3, 71},
    {21, 3, 1, 67},
    {22, 0, 1, 69},
    {22, 1, 1, 72},
    {22, 2, 2, 77},
    {23, 0, 2, 79},
    {23, 2, 2, 77},
};
// After the bridge the second phrase comes back unchanged.
constexpr int RepeatFrom = 8, RepeatTo = BridgeEnd;

void AddHarmony(SoundBuffer& band, SoundBuffer& echoed) {
    const int arpeggio[8] = {0, 1, 2, 3, 2, 1, 3, 4};
    for (int bar = 0; bar < Bars; ++bar) {
        const Chord& chord = Progression[bar];
        double start = bar * Bar;
        for (int i = 0; i < 3; ++i)
            Synth::Pad(
                band, {start, Bar - 0.1, Synth::MidiToHz(chord.tones[i]), 0.05f, -0.4f + 0.4f * i});
        for (int step = 0; step < 8; ++step) {
            int k = arpeggio[step];
            int note = k < 3 ? chord.tones[k] : chord.tones[k - 3] + 12;
            Synth::Pluck(echoed, {start + step * Beat / 2, Beat / 2, Synth::MidiToHz(note),
                                  step % 2 ? 0.06f : 0.08f, step % 2 ? 0.45f : -0.45f});
        }
        const double bassBeats[3][2] = {{0, 1.5}, {1.5, 0.5}, {2, 2}};
        for (int i = 0; i < 3; ++i) {
            int note = i == 2 ? chord.bass + 7 : chord.bass;
            Synth::Bass(band, {start + bassBeats[i][0] * Beat, bassBeats[i][1] * Beat * 0.92,
                               Synth::MidiToHz(note), 0.32f, 0.0f});
        }
    }
}

void AddDrums(SoundBuffer& band) {
    SeededRandom random(4242);
    for (int bar = 0; bar < Bars; ++bar) {
        double start = bar * Bar;
        if (bar >= BridgeStart && bar < BridgeEnd) {  // half time, the hats hushed
            Synth::Kick(band, start, 0.38f);
            Synth::Snare(band, start + 2 * Beat, 0.09f, random);
            for (int step = 0; step < 4; ++step)
                Synth::Hat(band, start + step * Beat, 0.05f, random);
            continue;
        }
        Synth::Kick(band, start, 0.42f);
        Synth::Kick(band, start + 2 * Beat, 0.36f);
        if (bar % 2 == 1) Synth::Kick(band, start + 2.5 * Beat, 0.22f);
        Synth::Snare(band, start + Beat, 0.10f, random);
        Synth::Snare(band, start + 3 * Beat, 0.12f, random);
        for (int step = 0; step < 8; ++step)
            Synth::Hat(band, start + step * Beat / 2, step % 2 ? 0.09f : 0.05f, random);
    }
}
}  // namespace

SoundBuffer MenuMusic() {
    const size_t frames = static_cast<size_t>(std::lround(Bars * Bar * SoundBuffer::Rate));
    SoundBuffer band(frames, true), echoed(frames, true);
    AddHarmony(band, echoed);
    AddDrums(band);
    for (const MelodyNote& n : Melody) {
        auto play = [&](int bar) {
            Synth::Bell(echoed, {bar * Bar + n.beat * Beat, n.beats * Beat * 0.9,
                                 Synth::MidiToHz(n.note), 0.2f, 0.1f});
        };
        play(n.bar);
        if (n.bar >= RepeatFrom && n.bar < BridgeStart) play(n.bar + RepeatTo - RepeatFrom);
    }
    band.Mix(echoed, 1.0f);
    long delay = std::lround(0.75 * Beat * SoundBuffer::Rate);
    band.AddEchoes(echoed, delay, 0.3f, 4);
    Normalise(band, 0.66f);
    return band;
}

void Normalise(SoundBuffer& sound, float peak) {
    float current = sound.Peak();
    if (current > 0.0f) sound.Scale(peak / current);
}

}  // namespace Sounds
