#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "SimulatedGame.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {

const int SeatCounts = 3;      // games of 2, 3 and 4 seats
const int ShardsPerCount = 4;  // so ctest can run the games side by side
// Far above any real game (a four-player game takes some 100 000 updates); a stuck game hits it.
const int MaxUpdates = 2000000;

int TotalGames() {
    const char* text = std::getenv("TARVELLO_SIM_GAMES");
    const int games = text ? std::atoi(text) : 0;
    return games > 0 ? games : 120;
}

int GamesInShard(int shard) {
    const int parts = SeatCounts * ShardsPerCount;
    return TotalGames() / parts + (shard < TotalGames() % parts ? 1 : 0);
}

class GameSimulationTest : public testing::TestWithParam<std::tuple<int, int>> {
  protected:
    SdlSession sdl{true};
    FakeClock clock{100000};
};

TEST_P(GameSimulationTest, EveryGameEndsWithEachPlayerFinishingOnceAndTheRulesHeldThroughout) {
    const int seats = std::get<0>(GetParam());
    const int shard = std::get<1>(GetParam());
    const int games = GamesInShard((seats - 2) * ShardsPerCount + shard);
    long long updates = 0;
    int wrongPresses = 0;
    for (int g = 0; g < games; ++g) {
        const uint32_t seed = static_cast<uint32_t>(seats * 1000000 + shard * 100000 + g);
        SimulatedGame game(seats, seed);
        const SimulationResult result = game.Play(MaxUpdates);
        ASSERT_EQ("", result.failure)
            << "seed " << seed << " after " << result.updates << " updates";
        ASSERT_TRUE(result.ended);
        updates += result.updates;
        wrongPresses += result.wrongPresses;
    }
    RecordProperty("games", games);
    RecordProperty("updates", std::to_string(updates));
    RecordProperty("wrongPresses", wrongPresses);
}

INSTANTIATE_TEST_SUITE_P(SeatsAndShards, GameSimulationTest,
                         testing::Combine(testing::Range(2, 2 + SeatCounts),
                                          testing::Range(0, ShardsPerCount)),
                         [](const testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::to_string(std::get<0>(info.param)) + "Seats_" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
