#include "SoundBuffer.h"

#include <algorithm>
#include <cmath>

SoundBuffer::SoundBuffer(size_t frames, bool loops)
    : looping(loops), left(frames, 0.0f), right(frames, 0.0f) {}

void SoundBuffer::Add(long frame, float l, float r) {
    long size = static_cast<long>(left.size());
    if (looping) {
        frame %= size;
        if (frame < 0) frame += size;
    } else if (frame < 0 || frame >= size) {
        return;
    }
    left[frame] += l;
    right[frame] += r;
}

void SoundBuffer::Mix(const SoundBuffer& other, float gain) {
    size_t n = std::min(Frames(), other.Frames());
    for (size_t i = 0; i < n; ++i) {
        left[i] += other.left[i] * gain;
        right[i] += other.right[i] * gain;
    }
}

void SoundBuffer::AddEchoes(const SoundBuffer& source, long delay, float feedback, int count) {
    float gain = 1.0f;
    for (int k = 1; k <= count; ++k) {
        gain *= feedback;
        bool swap = k % 2 == 1;
        for (size_t i = 0; i < source.Frames(); ++i) {
            float l = source.left[i] * gain, r = source.right[i] * gain;
            Add(static_cast<long>(i) + k * delay, swap ? r : l, swap ? l : r);
        }
    }
}

float SoundBuffer::Peak() const {
    float peak = 0.0f;
    for (size_t i = 0; i < Frames(); ++i)
        peak = std::max(peak, std::max(std::fabs(left[i]), std::fabs(right[i])));
    return peak;
}

void SoundBuffer::Scale(float factor) {
    for (size_t i = 0; i < Frames(); ++i) {
        left[i] *= factor;
        right[i] *= factor;
    }
}

void SoundBuffer::FadeOut(size_t frames) {
    frames = std::min(frames, Frames());
    for (size_t k = 0; k < frames; ++k) {
        float gain = static_cast<float>(k) / frames;
        size_t i = Frames() - 1 - k;
        left[i] *= gain;
        right[i] *= gain;
    }
}

void SoundBuffer::Compress(float threshold, float ratio, double release) {
    const float fall = static_cast<float>(std::exp(-1.0 / (release * Rate)));
    const float exponent = 1.0f - 1.0f / ratio;
    float envelope = 0.0f;
    for (size_t i = 0; i < Frames(); ++i) {
        // The envelope jumps up with every hit, so no sample gets past before the gain drops.
        envelope = std::max(std::max(std::fabs(left[i]), std::fabs(right[i])), envelope * fall);
        if (envelope <= threshold) continue;
        float gain = std::pow(threshold / envelope, exponent);
        left[i] *= gain;
        right[i] *= gain;
    }
}
