#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "SDL_Engine/MersenneTwister.h"

namespace {

TEST(MersenneTwister, SingleSeedMatchesTheReferenceSequence) {
    MersenneTwister generator;
    generator.init_genrand(5489);
    EXPECT_EQ(3499211612u, generator.genrand_int32());
    EXPECT_EQ(581869302u, generator.genrand_int32());
    EXPECT_EQ(3890346734u, generator.genrand_int32());
}

TEST(MersenneTwister, ArraySeedMatchesTheReferenceSequence) {
    MersenneTwister generator;
    const uint32_t key[] = {0x123, 0x234, 0x345, 0x456};
    generator.init_by_array(key, 4);
    EXPECT_EQ(1067595299u, generator.genrand_int32());
    EXPECT_EQ(955945823u, generator.genrand_int32());
    EXPECT_EQ(477289528u, generator.genrand_int32());
}

TEST(MersenneTwister, SequenceCarriesOnAcrossRegenerations) {
    // The reference's 1000th and 2000th outputs for the array seed, and a running hash of all
    // 2000, which spans three blocks of 624 words.
    MersenneTwister generator;
    const uint32_t key[] = {0x123, 0x234, 0x345, 0x456};
    generator.init_by_array(key, 4);
    uint32_t hash = 0, output = 0;
    for (int i = 1; i <= 2000; ++i) {
        output = generator.genrand_int32();
        hash = hash * 31u + output;
        if (i == 1000) {
            EXPECT_EQ(3460025646u, output);
        }
    }
    EXPECT_EQ(3099126062u, output);
    EXPECT_EQ(3297158250u, hash);
}

// A file of random words as /dev/urandom gives them.
std::string WordsFile(const std::vector<uint32_t>& words) {
    const std::string path = testing::TempDir() + "tarvello-seed-words";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(words.data(), sizeof(uint32_t), words.size(), file);
    std::fclose(file);
    return path;
}

TEST(MersenneTwister, SeedsFromTheRandomSourceOrElseFromTheTime) {
    std::vector<uint32_t> words(MersenneTwister::N);
    for (std::size_t i = 0; i < words.size(); ++i) words[i] = uint32_t(i * 2654435761u);
    MersenneTwister reference, seeded;
    reference.init_by_array(words.data(), MersenneTwister::N);
    seeded.SeedFrom(WordsFile(words).c_str());
    for (int i = 0; i < 700; ++i) ASSERT_EQ(reference.genrand_int32(), seeded.genrand_int32());

    // A source that runs dry or cannot be opened: the time, different on every seeding.
    words.pop_back();
    const std::string dryFile = WordsFile(words);
    MersenneTwister dry1, dry2, missing;
    dry1.SeedFrom(dryFile.c_str());
    dry2.SeedFrom(dryFile.c_str());
    missing.SeedFrom("/nonexistent/random");
    const uint32_t first = dry1.genrand_int32();
    EXPECT_NE(first, dry2.genrand_int32());
    EXPECT_NE(first, missing.genrand_int32());
    MersenneTwister system1, system2;
    EXPECT_NE(system1.genrand_int32(), system2.genrand_int32());
}

// Die throws and the computer's choices: the reference outputs masked to 3 bits for 6 and 7,
// 2 bits for 3 and 4, 1 bit for 2, those at or above the bound skipped.
TEST(RandomInt, GivesTheKnownDrawsBelowItsBound) {
    MersenneTwister generator;
    generator.init_genrand(5489);
    std::vector<uint32_t> draws;
    for (uint32_t bound : {6u, 6u, 6u, 6u, 4u, 4u, 3u, 3u, 2u, 2u, 7u, 7u}) {
        draws.push_back(generator.RandomInt(bound));
    }
    EXPECT_EQ((std::vector<uint32_t>{4, 1, 4, 5, 1, 2, 1, 0, 0, 1, 0, 4}), draws);
}

TEST(RandomInt, BoundOfOneStillConsumesAnOutput) {
    MersenneTwister generator;
    MersenneTwister reference;
    generator.init_genrand(7);
    reference.init_genrand(7);
    EXPECT_EQ(0u, generator.RandomInt(1));
    reference.genrand_int32();
    EXPECT_EQ(reference.genrand_int32(), generator.genrand_int32());
}

TEST(RandomInt, BoundOfZeroGivesTheFullOutput) {
    MersenneTwister generator;
    generator.init_genrand(5489);
    EXPECT_EQ(3499211612u, generator.RandomInt(0));
}

TEST(RandomInt, DieThrowsAreUniformOverAMillionDraws) {
    MersenneTwister generator;
    generator.init_genrand(20261206);
    const int draws = 1000000;
    std::vector<int> counts(6, 0);
    for (int i = 0; i < draws; ++i) {
        uint32_t face = generator.RandomInt(6);
        ASSERT_LT(face, 6u);
        ++counts[face];
    }
    const double expected = draws / 6.0;
    double chiSquare = 0;
    for (int count : counts) chiSquare += (count - expected) * (count - expected) / expected;
    // 5 degrees of freedom: 20.52 is the 0.999 quantile.
    EXPECT_LT(chiSquare, 20.52);
}

TEST(RandomInt, SharedGeneratorCanBeSeededByTests) {
    SharedRandom.init_genrand(5489);
    EXPECT_EQ(3499211612u, RandomInt(0));
}

}  // namespace
