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
constexpr double kPi = 3.14159265358979;

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
    SDL_AudioSpec spec;
    Uint8* bytes = nullptr;
    Uint32 size = 0;
    if (!SDL_LoadWAV(path.c_str(), &spec, &bytes, &size)) {
        ADD_FAILURE() << path << ": " << SDL_GetError();
        return sound;
    }
    EXPECT_TRUE(spec.format == AUDIO_S16LSB && spec.channels == 2 && spec.freq == kRate)
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

double Decibels(double power) { return 10.0 * std::log10(std::max(power, 1e-12)); }

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
    return count ? Decibels(sum / count) : -120.0;
}

double PeakDb(const Sound& sound) {
    float peak = 0;
    for (float v : sound.samples) peak = std::max(peak, std::fabs(v));
    return 20.0 * std::log10(std::max(peak, 1e-6f));
}

long Clipped(const Sound& sound) {
    return std::count_if(sound.samples.begin(), sound.samples.end(),
                         [](float v) { return v >= 32767 / 32768.0f || v <= -1.0f; });
}

// Two second-order filters (high pass at low, low pass at high) over each channel.
Sound Band(const Sound& sound, double low, double high) {
    Sound out = sound;
    for (int pass = 0; pass < 2; ++pass) {
        const double w = 2 * kPi * (pass == 0 ? low : high) / kRate,
                     alpha = std::sin(w) / std::sqrt(2.0);
        const double c = std::cos(w), a0 = 1 + alpha;
        const double edge = pass == 0 ? (1 + c) / 2 : (1 - c) / 2,
                     middle = pass == 0 ? -(1 + c) : 1 - c;
        const double b[3] = {edge / a0, middle / a0, edge / a0},
                     a[2] = {-2 * c / a0, (1 - alpha) / a0};
        for (int channel = 0; channel < 2; ++channel) {
            double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
            for (std::size_t i = channel; i < out.samples.size(); i += 2) {
                const double x = out.samples[i];
                const double y = b[0] * x + b[1] * x1 + b[2] * x2 - a[0] * y1 - a[1] * y2;
                x2 = x1, x1 = x, y2 = y1, y1 = y;
                out.samples[i] = static_cast<float>(y);
            }
        }
    }
    return out;
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
    EXPECT_LE(PeakDb(effect), -1.0);
    EXPECT_EQ(0, Clipped(effect));
}

INSTANTIATE_TEST_SUITE_P(Effects, EffectLevel,
                         testing::Values("dice.wav", "item_sel.wav", "item_ok.wav"));

// The die sounds as long as it rolls; the menu's tick and chime end before the next key press.
TEST(EffectShape, DiceRollsForTwoSecondsAndTheShortTickStandsOutInTheMelodysBand) {
    EXPECT_EQ(2u * kRate, ReadWav(kData + "/sfx/dice.wav").Frames());
    const Sound tick = ReadWav(kData + "/sfx/item_sel.wav");
    EXPECT_GE(tick.Frames(), kRate / 50u);
    EXPECT_LE(tick.Frames(), kRate * 3u / 10u);
    EXPECT_LE(ReadWav(kData + "/sfx/item_ok.wav").Frames(), kRate * 3u / 2u);
    EXPECT_GE(AudibleRms(Band(tick, 1000, 3000)) - AudibleRms(Band(Music(), 1000, 3000)), 10.0);
}

// The loudest sample of each half-millisecond rises from 10 % to 90 % of the way to the level
// the note reaches: a stroke that starts at once is heard as a click.
TEST(EffectShape, EachNoteOfTheChimeRisesOverThreeToFiveMilliseconds) {
    const Sound chime = ReadWav(kData + "/sfx/item_ok.wav");
    const std::size_t window = kRate / 2000;
    std::vector<float> envelope;
    for (std::size_t at = 0; at + window <= chime.Frames(); at += window) {
        float peak = 0;
        for (std::size_t i = at; i < at + window; ++i)
            peak = std::max(peak, std::fabs(chime.samples[2 * i]));
        envelope.push_back(peak);
    }
    ASSERT_GT(envelope.size(), 200u);
    for (std::size_t onset : {0u, 150u}) {  // the notes start at 0 and 75 ms
        const float before = onset ? envelope[onset - 1] : 0.0f;
        const float top = *std::max_element(&envelope[onset], &envelope[onset + 20]);
        std::size_t low = onset, high = onset;
        while (envelope[low] < before + 0.1f * (top - before)) ++low;
        while (envelope[high] < before + 0.9f * (top - before)) ++high;
        const double rise = (high - low) / 2.0;
        EXPECT_GE(rise, 2.5) << "note at " << onset / 2 << " ms";
        EXPECT_LE(rise, 5.0) << "note at " << onset / 2 << " ms";
    }
}

TEST(MusicLoop, LastsAMinuteOrMoreAndJoinsItsEndToItsStartWithoutAClick) {
    const Sound& music = Music();
    EXPECT_GE(music.Frames(), 60u * kRate);
    EXPECT_LE(music.Frames(), 90u * kRate);
    EXPECT_LE(PeakDb(music), -1.0);
    EXPECT_EQ(0, Clipped(music));
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
