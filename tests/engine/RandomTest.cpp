#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "SDL_Engine/MersenneTwister.h"
#include "platform/SystemRandom.h"
#include "support/TempFiles.h"

namespace {

// Games are seeded through this generator, so its sequences must stay the reference ones: the
// first outputs and the 1000th and 2000th of each seeding, and a running hash of all 2000, which
// span four regenerations of the 624-word state. A generator already drawn from starts afresh.
TEST(MersenneTwister, BothSeedingsGiveTheReferenceSequence) {
    MersenneTwister single, array;
    single.genrand_int32();
    array.genrand_int32();
    single.init_genrand(5489);
    const uint32_t key[] = {0x123, 0x234, 0x345, 0x456};
    array.init_by_array(key, 4);
    for (MersenneTwister* generator : {&single, &array}) {
        std::vector<uint32_t> seen;
        uint32_t hash = 0;
        for (int i = 1; i <= 2000; ++i) {
            const uint32_t output = generator->genrand_int32();
            hash = hash * 31u + output;
            if (i <= 2 || i == 1000 || i == 2000) seen.push_back(output);
        }
        seen.push_back(hash);
        const std::vector<uint32_t> expected =
            generator == &single ? std::vector<uint32_t>{3499211612u, 581869302u, 1341017984u,
                                                         3949147603u, 249821615u}
                                 : std::vector<uint32_t>{1067595299u, 955945823u, 3460025646u,
                                                         3099126062u, 3297158250u};
        EXPECT_EQ(expected, seen);
    }
}

// A file of random words as /dev/urandom gives them, named by their count.
std::string WordsFile(const TempFolder& folder, const std::vector<uint32_t>& words) {
    const std::string path = folder.File("words-" + std::to_string(words.size()));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    const std::size_t written = std::fwrite(words.data(), sizeof(uint32_t), words.size(), file);
    if (std::fclose(file) != 0 || written != words.size()) {
        throw std::runtime_error("cannot write " + path);
    }
    return path;
}

std::vector<uint32_t> KnownWordList() {
    std::vector<uint32_t> words(MersenneTwister::N);
    for (std::size_t i = 0; i < words.size(); ++i) words[i] = uint32_t(i * 2654435761u);
    return words;
}

bool KnownWords(uint32_t* words, int count) {
    const std::vector<uint32_t> known = KnownWordList();
    std::copy(known.begin(), known.begin() + count, words);
    return true;
}

bool NoWords(uint32_t*, int) { return false; }

TEST(MersenneTwister, SeedsFromTheRandomSourceOrElseFromTheTime) {
    TempFolder folder;
    std::vector<uint32_t> words = KnownWordList();
    MersenneTwister reference, seeded;
    reference.init_by_array(words.data(), MersenneTwister::N);
    seeded.SeedFrom(WordsFile(folder, words).c_str());
    for (int i = 0; i < 700; ++i) ASSERT_EQ(reference.genrand_int32(), seeded.genrand_int32());
    // A source with more to give, as the system's is, gives the key its first words only.
    std::vector<uint32_t> more = words;
    more.push_back(7);
    MersenneTwister fromLonger;
    fromLonger.SeedFrom(WordsFile(folder, more).c_str());
    reference.init_by_array(words.data(), MersenneTwister::N);
    EXPECT_EQ(reference.genrand_int32(), fromLonger.genrand_int32());

    // A source that runs dry or cannot be opened: the time, different on every seeding.
    words.pop_back();
    const std::string dryFile = WordsFile(folder, words);
    MersenneTwister dry1, dry2, missing;
    dry1.SeedFrom(dryFile.c_str());
    dry2.SeedFrom(dryFile.c_str());
    missing.SeedFrom("/nonexistent/random");
    const uint32_t first = dry1.genrand_int32();
    EXPECT_NE(first, dry2.genrand_int32());
    EXPECT_NE(first, missing.genrand_int32());
    MersenneTwister system1, system2;
    EXPECT_NE(system1.genrand_int32(), system2.genrand_int32());

    // The shared generator's source: its words when it gives them all, else the time.
    MersenneTwister fromWords(KnownWords), dryTime1(NoWords), dryTime2(NoWords);
    reference.init_by_array(KnownWordList().data(), MersenneTwister::N);
    EXPECT_EQ(reference.genrand_int32(), fromWords.genrand_int32());
    EXPECT_NE(dryTime1.genrand_int32(), dryTime2.genrand_int32());
    std::vector<uint32_t> a(MersenneTwister::N), b(MersenneTwister::N);
    ASSERT_TRUE(ReadSystemRandom(a.data(), MersenneTwister::N));
    ASSERT_TRUE(ReadSystemRandom(b.data(), MersenneTwister::N));
    EXPECT_NE(a, b) << "the system's source gives new words every time";
}

// Draws stay below n and can be any value below it: with n - 1 they set every bit up to its top
// one, also when that is the only bit n - 1 has.
TEST(MersenneTwister, RandomIntStaysBelowItsBoundAndReachesEveryBit) {
    MersenneTwister random;
    random.init_genrand(3);
    for (uint32_t n : {6u, 257u, 65537u, 268435457u}) {
        uint32_t seen = 0, every = 0;
        while (every < n - 1) every = every << 1 | 1;
        for (int i = 0; i < 2000; ++i) {
            const uint32_t y = random.RandomInt(n);
            ASSERT_LT(y, n);
            seen |= y;
        }
        EXPECT_EQ(every, seen | (n - 1)) << n;
    }
}

// Seedings within one second differ: the time fallback mixes every byte of the time and of the
// clock, lowest first, and counts its calls.
TEST(MersenneTwister, TimeSeedMixesEveryByteAndCountsItsCalls) {
    const uint32_t counter = TimeSeed(0, 0);
    const uint32_t bytes1234 = 17107466u;  // ((1 * 257 + 2) * 257 + 3) * 257 + 4
    EXPECT_EQ(counter + 1 + bytes1234, TimeSeed(0x04030201u, 0));
    EXPECT_EQ((counter + 2) ^ bytes1234, TimeSeed(0, 0x04030201u));
}

}  // namespace
