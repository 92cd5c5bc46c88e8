#include "SeededRandom.h"
#include "Sounds.h"
#include "Synth.h"

namespace Sounds {

namespace {
// The die rattles in the hand, then bounces on the table with ever shorter hops and rolls out.
void AddShake(SoundBuffer& out, SeededRandom& random) {
    // Each swing of the hand throws the die against the cup a few times in quick succession.
    for (double swing = 0.02; swing < 0.66; swing += random.Between(0.09f, 0.14f)) {
        float gain = random.Between(0.25f, 0.45f);
        double t = swing;
        for (int hit = 0, hits = 2 + static_cast<int>(random.Unit() * 3); hit < hits; ++hit) {
            Synth::Knock(out, t, gain, random.Between(-0.3f, 0.3f), random.Between(0.8f, 1.0f),
                         random);
            t += random.Between(0.006f, 0.018f);
            gain *= 0.6f;
        }
    }
}

void AddBounces(SoundBuffer& out, SeededRandom& random) {
    double t = 0.82, gap = 0.21;
    float gain = 1.0f;
    for (int hop = 0; hop < 9; ++hop) {
        float pan = random.Between(-0.5f, 0.5f);
        Synth::Knock(out, t, gain, pan, 1.0f, random);
        Synth::Knock(out, t + random.Between(0.004f, 0.01f), gain * 0.45f, pan, 0.85f, random);
        t += gap;
        gap *= 0.78;
        gain *= 0.76f;
    }
    for (float level = gain; t < 1.9; t += random.Between(0.018f, 0.03f), level *= 0.9f)
        Synth::Knock(out, t, level, random.Between(-0.2f, 0.2f), 0.7f, random);
}
}  // namespace

SoundBuffer DiceRoll() {
    SoundBuffer out(SoundBuffer::Rate * 2, false);
    SeededRandom random(606);
    AddShake(out, random);
    AddBounces(out, random);
    out.FadeOut(SoundBuffer::Rate / 20);
    // Evened out so that the softer rattles and the rolling out carry over the music too.
    Normalise(out, 1.0f);
    out.Compress(0.12f, 4.0f, 0.04);
    Normalise(out, 0.85f);
    return out;
}

SoundBuffer SelectTick() {
    SoundBuffer out(SoundBuffer::Rate / 12, false);
    Synth::Tick(out, 0.0, 1.0f);
    out.FadeOut(SoundBuffer::Rate / 100);
    Normalise(out, 0.85f);
    return out;
}

SoundBuffer ConfirmChime() {
    SoundBuffer out(SoundBuffer::Rate * 8 / 10, false);
    Synth::Chime(out, {0.0, 0.8, Synth::MidiToHz(88), 1.0f, -0.15f});
    Synth::Chime(out, {0.075, 0.8, Synth::MidiToHz(95), 0.9f, 0.15f});
    out.FadeOut(SoundBuffer::Rate / 20);
    Normalise(out, 0.6f);
    return out;
}

}  // namespace Sounds
