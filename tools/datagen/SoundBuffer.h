#ifndef TARVELLO_DATAGEN_SOUND_BUFFER_H
#define TARVELLO_DATAGEN_SOUND_BUFFER_H

#include <cstddef>
#include <vector>

// Stereo samples in floating point at 44100 Hz. A looping buffer wraps whatever is added past its
// end around to its start, so ringing notes flow over the seam of a loop.
class SoundBuffer {
  public:
    static constexpr int Rate = 44100;

    SoundBuffer(size_t frames, bool loops);

    size_t Frames() const { return left.size(); }
    float Left(size_t i) const { return left[i]; }
    float Right(size_t i) const { return right[i]; }

    void Add(long frame, float l, float r);
    void Mix(const SoundBuffer& other, float gain);
    // Echoes repeating every `delay` frames, alternating between the two sides.
    void AddEchoes(const SoundBuffer& source, long delay, float feedback, int count);
    float Peak() const;
    void Scale(float factor);
    void FadeOut(size_t frames);
    // Turns down whatever rises above the threshold (in the ratio given, the envelope falling
    // back over `release` seconds), so that quiet parts come closer to loud ones.
    void Compress(float threshold, float ratio, double release);

  private:
    bool looping;
    std::vector<float> left;
    std::vector<float> right;
};

#endif
