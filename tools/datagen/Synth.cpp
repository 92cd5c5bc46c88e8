#include "Synth.h"

#include <cmath>
#include <functional>
#include <vector>

#include "SeededRandom.h"
#include "SoundBuffer.h"

namespace Synth {

namespace {
constexpr double TwoPi = 6.283185307179586;

// Adds a mono tone, t in seconds since the start, until the tone has died away. A template, so
// that the tone is worked out in line: the music has millions of samples to make.
template <class Tone>
void Render(SoundBuffer& out, double start, double duration, float gain, float pan,
            const Tone& tone) {
    float angle = static_cast<float>((pan + 1.0f) * TwoPi / 8.0);
    float l = std::cos(angle) * gain, r = std::sin(angle) * gain;
    long first = std::lround(start * SoundBuffer::Rate);
    long count = std::lround(duration * SoundBuffer::Rate);
    for (long i = 0; i < count; ++i) {
        float v = tone(static_cast<double>(i) / SoundBuffer::Rate);
        out.Add(first + i, v * l, v * r);
    }
}

using Table = std::vector<float>;
constexpr size_t TableSize = 8192;

// One cycle of a tone (the size a power of two, so a position wraps with a mask) from the
// amplitudes of its harmonics, with one extra entry for interpolation.
Table MakeTable(const std::vector<float>& harmonics) {
    Table table(TableSize + 1, 0.0f);
    for (size_t i = 0; i <= TableSize; ++i)
        for (size_t h = 0; h < harmonics.size(); ++h)
            table[i] +=
                harmonics[h] * static_cast<float>(std::sin(TwoPi * (h + 1) * i / TableSize));
    return table;
}

float Lookup(const Table& table, double cycles) {
    double pos = cycles * TableSize;
    double whole = std::floor(pos);
    size_t i = static_cast<size_t>(static_cast<long long>(whole) & (TableSize - 1));
    float w = static_cast<float>(pos - whole);
    return table[i] + (table[i + 1] - table[i]) * w;
}

const Table SineWave = MakeTable({1.0f});

// Rounds off the peaks like tanh for the levels the bass reaches, at a fraction of the cost.
float SoftClip(float x) { return x * (27.0f + x * x) / (27.0f + 9.0f * x * x); }

// Attack, then held, then an exponential release once the key is let go.
float Envelope(double t, double attack, double length, double release) {
    double a = t < attack ? t / attack : 1.0;
    if (t > length) a *= std::exp(-(t - length) / release);
    return static_cast<float>(a);
}
}  // namespace

double MidiToHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

float Sine(double cycles) { return Lookup(SineWave, cycles); }

void Pad(SoundBuffer& out, const Voice& v) {
    static const Table warm = MakeTable({1.0f, 0.33f, 0.17f, 0.11f, 0.08f, 0.06f});
    Render(out, v.start, v.length + 1.6, v.gain, v.pan, [&v](double t) {
        float sum = Lookup(warm, v.frequency * t * 1.003) + Lookup(warm, v.frequency * t * 0.997);
        float shimmer = 0.85f + 0.15f * Sine(0.3 * t);
        return 0.45f * sum * shimmer * Envelope(t, 0.6, v.length, 0.5);
    });
}

void Pluck(SoundBuffer& out, const Voice& v) {
    static const Table bright = MakeTable({1.0f, 0.5f, 0.33f, 0.25f, 0.2f, 0.17f});
    static const Table dark = MakeTable({1.0f, 0.15f});
    Render(out, v.start, v.length + 0.7, v.gain, v.pan, [&v](double t) {
        double cycles = v.frequency * t;
        float d = Lookup(dark, cycles), b = Lookup(bright, cycles);
        float ft = static_cast<float>(t);
        float sum = (d + (b - d) * std::exp(-ft * 10.0f)) * std::exp(-ft * 4.5f);
        return sum * Envelope(t, 0.003, v.length, 0.15);
    });
}

void Bell(SoundBuffer& out, const Voice& v) {
    Render(out, v.start, v.length + 0.9, v.gain, v.pan, [&v](double t) {
        float ft = static_cast<float>(t);
        float index = 0.4f + 1.6f * std::exp(-ft * 6.0f);
        double modulator = index * Sine(v.frequency * t) / TwoPi;
        float body = Sine(v.frequency * t + modulator);
        float sparkle = 0.12f * Sine(4.0 * v.frequency * t) * std::exp(-ft * 9.0f);
        float decay = 0.35f + 0.65f * std::exp(-ft * 2.2f);
        return (body + sparkle) * decay * Envelope(t, 0.006, v.length, 0.18);
    });
}

void Bass(SoundBuffer& out, const Voice& v) {
    Render(out, v.start, v.length + 0.5, v.gain, v.pan, [&v](double t) {
        float tone = Sine(v.frequency * t) + 0.3f * Sine(2 * v.frequency * t) * std::exp(-t * 4.0);
        float shaped = SoftClip(1.4f * tone) / SoftClip(1.4f);
        return shaped * (0.6f + 0.4f * std::exp(-t * 3.0)) * Envelope(t, 0.008, v.length, 0.07);
    });
}

void Kick(SoundBuffer& out, double start, float gain) {
    Render(out, start, 0.35, gain, 0.0f, [](double t) {
        double phase = 48.0 * t + (130.0 - 48.0) * (1.0 - std::exp(-t * 30.0)) / 30.0;
        return Sine(phase) * std::exp(-t * 9.0) * Envelope(t, 0.002, 1.0, 1.0);
    });
}

void Snare(SoundBuffer& out, double start, float gain, SeededRandom& random) {
    float last = 0.0f;
    Render(out, start, 0.3, gain, 0.1f, [&](double t) {
        float noise = random.Between(-1.0f, 1.0f);
        float bright = noise - last;  // differencing keeps the high, airy part
        last = noise;
        float tone = Sine(185.0 * t) * std::exp(-t * 25.0);
        return (0.5f * bright * std::exp(-t * 16.0) + 0.5f * tone) * Envelope(t, 0.001, 1, 1);
    });
}

void Hat(SoundBuffer& out, double start, float gain, SeededRandom& random) {
    float last = 0.0f;
    Render(out, start, 0.08, gain, -0.3f, [&](double t) {
        float noise = random.Between(-1.0f, 1.0f);
        float bright = noise - last;
        last = noise;
        return 0.5f * bright * std::exp(-t * 60.0);
    });
}

void Knock(SoundBuffer& out, double start, float gain, float pan, float brightness,
           SeededRandom& random) {
    double f1 = static_cast<double>(random.Between(1800, 4200) * brightness);
    double f2 = random.Between(650, 1100);
    double f3 = random.Between(5200, 7600);
    float last = 0.0f;
    Render(out, start, 0.06, gain, pan, [&](double t) {
        float noise = random.Between(-1.0f, 1.0f);
        float click = (noise - last) * std::exp(-t * 900.0);
        last = noise;
        float ring = 0.6f * Sine(f1 * t) * std::exp(-t * 160.0) +
                     0.5f * Sine(f2 * t) * std::exp(-t * 90.0) +
                     0.25f * Sine(f3 * t) * std::exp(-t * 300.0);
        return 0.5f * click + ring * Envelope(t, 0.0005, 1, 1);
    });
}

void Tick(SoundBuffer& out, double start, float gain) {
    Render(out, start, 0.08, gain, 0.0f, [](double t) {
        // Rings a little longer than a bare click so that it is heard over the music.
        float tone = 0.7f * Sine(2400.0 * t) * std::exp(-t * 110.0) +
                     0.5f * Sine(1200.0 * t) * std::exp(-t * 70.0) +
                     0.2f * Sine(3600.0 * t) * std::exp(-t * 160.0);
        return tone * Envelope(t, 0.0008, 1, 1);
    });
}

void Chime(SoundBuffer& out, const Voice& v) {
    Render(out, v.start, v.length, v.gain, v.pan, [&v](double t) {
        double index = 1.5 * std::exp(-t * 8.0);
        float body = Sine(v.frequency * t + index * Sine(2.0 * v.frequency * t) / TwoPi);
        float partial = 0.2f * Sine(2.76 * v.frequency * t) * std::exp(-t * 12.0);
        // A 4 ms rise: a stroke that starts at once clicks across the whole spectrum.
        return (body * std::exp(-t * 5.0) + partial) * Envelope(t, 0.004, 10, 1);
    });
}

}  // namespace Synth
