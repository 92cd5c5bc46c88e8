#include <gtest/gtest.h>

#include <cstdlib>
#include <ios>
#include <sstream>
#include <tuple>

#include "WholeGame.h"
#include "support/SdlSession.h"

namespace {

const int SeatCounts = 3;      // games of 2, 3 and 4 seats
const int ShardsPerCount = 4;  // so ctest can run the games side by side

int TotalGames() {
    const char* text = std::getenv("TARVELLO_SIM_GAMES");
    const int games = text ? std::atoi(text) : 0;
    return games > 0 ? games : 120;
}

class GameSimulationTest : public testing::TestWithParam<std::tuple<int, int>> {
  protected:
    SdlSession sdl{true};
};

// Seeded games of drawn seats, half of them with uneven update intervals.
TEST_P(GameSimulationTest, EveryGameEndsWithEachPlayerFinishingOnceAndTheRulesHeldThroughout) {
    const int seats = std::get<0>(GetParam());
    const int shard = (seats - 2) * ShardsPerCount + std::get<1>(GetParam());
    const int parts = SeatCounts * ShardsPerCount;
    const int games = TotalGames() / parts + (shard < TotalGames() % parts ? 1 : 0);
    for (int g = 0; g < games; ++g) {
        const uint32_t seed = static_cast<uint32_t>(seats * 1000000 + shard * 100000 + g);
        WholeGameOptions options;
        options.seats = seats;
        options.unevenSteps = g % 2 == 1;
        const WholeGameResult result = PlayWholeGame(seed, options);
        ASSERT_EQ("", result.failure) << "seed " << seed << " after " << result.updates;
        ASSERT_EQ(static_cast<std::size_t>(seats), result.finishColours.size());
    }
}

INSTANTIATE_TEST_SUITE_P(SeatsAndShards, GameSimulationTest,
                         testing::Combine(testing::Range(2, 2 + SeatCounts),
                                          testing::Range(0, ShardsPerCount)),
                         [](const testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::to_string(std::get<0>(info.param)) + "Seats_" +
                                    std::to_string(std::get<1>(info.param));
                         });

// Recorded games: the hash of everything seen after every update (clock, turn, die, sixes,
// every piece's position, the panel's text) pins the rules, the timings and the computer's
// choices. Games with uneven update intervals catch a pause that is 1 ms too long or short.
// After a deliberate change of how the game plays, run
//     ./tests/tarvello_tests --gtest_filter='RecordedGame*'
// from the build folder and copy each failure's "actual" trace into the table below.
struct RecordedCase {
    const char* name;
    uint32_t seed;
    int seats;
    bool computersOnly;
    bool unevenSteps;
    Uint32 startTick;
    const char* trace;
    const char* finishers;  // colours, first place first
};

void PrintTo(const RecordedCase& c, std::ostream* os) { *os << c.name; }

class RecordedGame : public testing::TestWithParam<RecordedCase> {
  protected:
    SdlSession sdl{true};
};

TEST_P(RecordedGame, PlaysAsRecorded) {
    const RecordedCase& c = GetParam();
    WholeGameOptions options;
    options.seats = c.seats;
    options.computersOnly = c.computersOnly;
    options.unevenSteps = c.unevenSteps;
    options.startTick = c.startTick;
    const WholeGameResult result = PlayWholeGame(c.seed, options);
    ASSERT_EQ("", result.failure) << "after " << result.updates << " updates";
    std::ostringstream trace, finishers;
    trace << std::hex << result.trace << ':' << std::dec << result.updates;
    for (int colour : result.finishColours) finishers << colour;
    EXPECT_EQ(c.finishers, finishers.str());
    EXPECT_EQ(c.trace, trace.str());
}

// The same for the pictures: every 500th update of a game the board, pieces, counters, die and
// panel are drawn and hashed. The pixels are classic SDL's; recorded as above.
TEST(GameFrameHash, GameIsDrawnAsRecorded) {
    SdlSession sdl(true);
    WholeGameOptions options;
    options.frameEvery = 500;
    const WholeGameResult result = PlayWholeGame(5, options);
    ASSERT_EQ("", result.failure);
    std::ostringstream frames;
    frames << std::hex << result.frames << ':' << std::dec << result.updates;
    EXPECT_EQ("607deafdd7a907cf:149763", frames.str());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Seeds, RecordedGame, testing::Values(
    RecordedCase{"FourComputers", 1, 4, true, false, 100000, "d47fddbeb71044ab:135552", "3201"},
    RecordedCase{"FourDrawnSeatsUneven", 2, 4, false, true, 100000, "2df719060ac4d26e:102227",
                 "2103"},
    RecordedCase{"ThreeDrawnSeatsUneven", 3, 3, false, true, 100000, "767e89d39b3b30fe:73869",
                 "103"},
    RecordedCase{"TwoHumansAcrossTheTickWrap", 4, 2, false, true, 0xFFFFFFFFu - 300000,
                 "c18a6894d3a62867:37231", "01"}),
    [](const testing::TestParamInfo<RecordedCase>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
