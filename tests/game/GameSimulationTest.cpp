#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "support/Pictures.h"
#include "support/Recorded.h"
#include "support/SdlSession.h"
#include "support/WholeGame.h"

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
                         [](const testing::TestParamInfo<std::tuple<int, int>>& tested) {
                             return std::to_string(std::get<0>(tested.param)) + "Seats_" +
                                    std::to_string(std::get<1>(tested.param));
                         });

// Recorded games: the hash of everything seen after every update (clock, turn, die, sixes,
// every piece's position, the panel's text) pins the rules, the timings and the computer's
// choices; games with uneven update intervals catch a pause 1 ms too long or short. The
// FrameHash case also draws the table every 500th update and hashes the pixels, which are
// classic SDL's. Recorded as trace:updates, finishing colours, frames.
struct RecordedCase {
    const char* name = nullptr;
    uint32_t seed = 0;
    WholeGameOptions options;
};

void PrintTo(const RecordedCase& c, std::ostream* os) { *os << c.name; }

WholeGameOptions Options(int seats, bool computersOnly, Uint32 startTick, int frameEvery = 0) {
    WholeGameOptions options;
    options.seats = seats;
    options.computersOnly = computersOnly;
    options.unevenSteps = !computersOnly;
    options.startTick = startTick;
    options.frameEvery = frameEvery;
    return options;
}

class RecordedGame : public testing::TestWithParam<RecordedCase> {
  protected:
    SdlSession sdl{true};
};

TEST_P(RecordedGame, PlaysAsRecorded) {
    const std::string name = GetParam().name;
    const WholeGameResult result = PlayWholeGame(GetParam().seed, GetParam().options);
    ASSERT_EQ("", result.failure) << "after " << result.updates << " updates";
    std::string line = Hex(result.trace) + ':' + std::to_string(result.updates) + ' ';
    for (int colour : result.finishColours) line += std::to_string(colour);
    ExpectRecorded("Game." + name, line);
    if (GetParam().options.frameEvery > 0) {
        ASSERT_NE(nullptr, result.lastFrame.get());
        ExpectPicture("Game." + name, Capture(result.lastFrame.get()));
        ExpectRecordedPixels("Game." + name + ".frames", Hex(result.frames));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Seeds, RecordedGame, testing::Values(
    RecordedCase{"FourComputers", 1, Options(4, true, 100000)},
    RecordedCase{"FourDrawnSeatsUneven", 2, Options(4, false, 100000)},
    RecordedCase{"ThreeDrawnSeatsUneven", 3, Options(3, false, 100000)},
    RecordedCase{"TwoHumansAcrossTheTickWrap", 4, Options(2, false, 0xFFFFFFFFu - 300000)},
    RecordedCase{"FourDrawnSeatsFrameHash", 5, Options(4, false, 100000, 500)}),
    testing::PrintToStringParamName());
// clang-format on

}  // namespace
