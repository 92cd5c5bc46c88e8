#include <gtest/gtest.h>

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

TEST(MersenneTwister, SequenceCarriesOnAcrossRegeneration) {
    // The reference's 1000th output for the array seed, which lies past the first regeneration.
    MersenneTwister generator;
    const uint32_t key[] = {0x123, 0x234, 0x345, 0x456};
    generator.init_by_array(key, 4);
    uint32_t last = 0;
    for (int i = 0; i < 1000; ++i) last = generator.genrand_int32();
    EXPECT_EQ(3460025646u, last);
}

TEST(MersenneTwister, TwoSystemSeededGeneratorsDiffer) {
    MersenneTwister first;
    MersenneTwister second;
    EXPECT_NE(first.genrand_int32(), second.genrand_int32());
}

// Each case: a bound and the mask RandomInt must apply to the raw outputs for it.
struct MaskCase {
    uint32_t bound;
    uint32_t mask;
};

class RandomIntMask : public testing::TestWithParam<MaskCase> {};

TEST_P(RandomIntMask, KeepsMaskedDrawsAndRejectsThoseAboveTheBound) {
    const MaskCase c = GetParam();
    MersenneTwister reference;
    MersenneTwister generator;
    reference.init_genrand(42);
    generator.init_genrand(42);
    for (int i = 0; i < 2000; ++i) {
        uint32_t expected;
        do {
            expected = reference.genrand_int32() & c.mask;
        } while (expected > c.bound - 1u);
        ASSERT_EQ(expected, generator.RandomInt(c.bound)) << "draw " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Bounds, RandomIntMask,
                         testing::Values(MaskCase{1, 0u}, MaskCase{4, 3u}, MaskCase{6, 7u},
                                         MaskCase{2, 1u}, MaskCase{3, 3u},
                                         MaskCase{0, 0xFFFFFFFFu}),
                         [](const testing::TestParamInfo<MaskCase>& info) {
                             return "Bound" + std::to_string(info.param.bound);
                         });

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
