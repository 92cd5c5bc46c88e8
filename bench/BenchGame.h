#ifndef TARVELLO_BENCH_BENCH_GAME_H
#define TARVELLO_BENCH_BENCH_GAME_H

#include <cstdint>
#include <vector>

// One complete game of computer seats on the simulation test's table: the real referee,
// players, board and console in 20 ms updates of the fake clock, without drawing. SDL must be
// running (BenchSdl) because the game loads its pictures, fonts and sounds.
struct BenchGameResult {
    bool ended = false;
    long updates = 0;
    int turns = 0;  // turn beginnings, bonus turns included
    int throws = 0;
    std::vector<int> finishOrder;  // seats, first place first
};

BenchGameResult PlayComputerGame(uint32_t seed, int seats = 4);

// Starts SDL with dummy drivers, a 600 by 600 screen, the font library and the mixer on first
// use; it stays for the rest of the run.
void BenchSdl();

#endif
