// The generated sounds as a player hears them: balanced against the music, the music loop long
// and seamless. No recorded value listens to them; the pictures are pinned by the recorded frames.
#include <SDL.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::string kData = TARVELLO_DATA_DIR;
constexpr int kRate = 44100;

// Interleaved stereo samples from -1 to 1.
struct Sound {
    std::vector<float> samples;
    std::size_t Frames() const { return samples.size() / 2; }
};

// Little-endian 16-bit samples, appended as floats.
void AddSamples(Sound& sound, const void* bytes, std::size_t size) {
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        std::int16_t v;
        std::memcpy(&v, static_cast<const char*>(bytes) + i, 2);
        sound.samples.push_back(v / 32768.0f);
    }
}

// 16-bit stereo PCM at 44100 Hz, as the game's mixer expects it.
Sound ReadWav(const std::string& path) {
    Sound sound;
    SDL_AudioSpec layout;
    Uint8* bytes = nullptr;
    Uint32 size = 0;
    if (!SDL_LoadWAV(path.c_str(), &layout, &bytes, &size)) {
        ADD_FAILURE() << path << ": " << SDL_GetError();
        return sound;
    }
    EXPECT_TRUE(layout.format == AUDIO_S16LSB && layout.channels == 2 && layout.freq == kRate)
        << path << " is not 16-bit stereo at " << kRate << " Hz";
    AddSamples(sound, bytes, size);
    SDL_FreeWAV(bytes);
    return sound;
}

Sound ReadOgg(const std::string& path) {
    Sound sound;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) {
        ADD_FAILURE() << path << " is not Ogg Vorbis";
        return sound;
    }
    EXPECT_EQ(2, ov_info(&file, -1)->channels);
    EXPECT_EQ(kRate, ov_info(&file, -1)->rate);
    char buffer[8192];
    int section = 0;
    for (long got; (got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section)) > 0;)
        AddSamples(sound, buffer, static_cast<std::size_t>(got));
    ov_clear(&file);
    return sound;
}

// RMS in dBFS of the 10 ms blocks that rise above -40 dBFS: the part of a sound one hears.
double AudibleRms(const Sound& sound) {
    const std::size_t block = kRate / 100 * 2;
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t at = 0; at + block <= sound.samples.size(); at += block) {
        double power = 0;
        for (std::size_t i = at; i < at + block; ++i) power += sound.samples[i] * sound.samples[i];
        if (power / block < 1e-4) continue;
        sum += power;
        count += block;
    }
    return count ? 10.0 * std::log10(sum / count) : -120.0;
}

double PeakDb(const Sound& sound) {
    float peak = 0;
    for (float v : sound.samples) peak = std::max(peak, std::fabs(v));
    return 20.0 * std::log10(std::max(peak, 1e-6f));
}

const Sound& Music() {
    static const Sound music = ReadOgg(kData + "/music/BGM.ogg");
    return music;
}

class EffectLevel : public testing::TestWithParam<const char*> {};

TEST_P(EffectLevel, SitsWithinEightDecibelsOfTheMusicWithoutClipping) {
    const Sound effect = ReadWav(kData + "/sfx/" + GetParam());
    ASSERT_GT(effect.Frames(), 0u);
    EXPECT_NEAR(AudibleRms(Music()), AudibleRms(effect), 8.0);
    EXPECT_LE(PeakDb(effect), -1.0);  // so no sample reaches full scale
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectLevel,
                         testing::Values("dice.wav", "item_sel.wav", "item_ok.wav"));

// The die sounds as long as it rolls.
TEST(EffectShape, DiceSoundsForTwoSeconds) {
    EXPECT_EQ(2u * kRate, ReadWav(kData + "/sfx/dice.wav").Frames());
}

TEST(MusicLoop, LastsAMinuteOrMoreAndJoinsItsEndToItsStartWithoutAClick) {
    const Sound& music = Music();
    EXPECT_GE(music.Frames(), 60u * kRate);
    EXPECT_LE(music.Frames(), 90u * kRate);
    EXPECT_LE(PeakDb(music), -1.0);
    ASSERT_GT(music.Frames(), 2u);
    for (std::size_t channel = 0; channel < 2; ++channel) {
        std::vector<float> steps;
        for (std::size_t i = channel; i + 2 < music.samples.size(); i += 2)
            steps.push_back(std::fabs(music.samples[i + 2] - music.samples[i]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
        const float seam =
            std::fabs(music.samples[channel] - music.samples[music.samples.size() - 2 + channel]);
        EXPECT_LE(seam, steps[steps.size() / 2]) << "channel " << channel;
    }
}

}  // namespace
