#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/TunnelEffect.h"
#include "game/DataFiles.h"
#include "support/TempFiles.h"

namespace {

const char* const MenuTexture = DataFiles::kTunnelTexture;

// SDL with the game's 600 by 600 screen, and the menu's tunnel texture: the real picture when
// the benchmark runs from the build folder, else a generated one of the same size.
class TunnelBench {
  public:
    TunnelBench() {
        if (SDL_Init(SDL_INIT_VIDEO) < 0) throw std::runtime_error(SDL_GetError());
        screen = SDL_SetVideoMode(600, 600, 32, SDL_DOUBLEBUF | SDL_ANYFORMAT);
        if (!screen) throw std::runtime_error(SDL_GetError());
        texture = MenuTexture;
        if (access(MenuTexture, R_OK) != 0) texture = MakeTexture();
    }
    ~TunnelBench() { SDL_Quit(); }

    SDL_Surface* screen;
    std::string texture;

  private:
    std::string MakeTexture() {
        const std::string generated = folder.File("texture.bmp");
        SurfacePtr picture(SDL_CreateRGBSurface(0, 600, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 600; ++x) PutPixel(picture.get(), x, y, (x ^ y) * 0x010203u);
        }
        SDL_SaveBMP(picture.get(), generated.c_str());
        return generated;
    }

    TempFolder folder;
};

// Each frame 20 ms after the last, as the game's logic steps are.
Uint32 frameTicks = 0;
Uint32 NextFrame() { return frameTicks += 20; }

void BM_TunnelDrawMenuScreen(benchmark::State& state) {
    TunnelBench bench;
    TunnelEffect tunnel(600, 600, 1, 0, bench.texture);
    Clock::SetSource(NextFrame, nullptr);
    for (auto _ : state) {
        tunnel.Draw(bench.screen);
        benchmark::ClobberMemory();
    }
    Clock::ResetSource();
    state.SetItemsProcessed(state.iterations() * 600 * 600);
    state.SetLabel(bench.texture);
}
BENCHMARK(BM_TunnelDrawMenuScreen)->Unit(benchmark::kMicrosecond);

// As in the game, where 20 ms of other work pass between two frames: the caches are flushed by
// walking a buffer larger than them before each frame (not timed).
void BM_TunnelDrawMenuScreenCold(benchmark::State& state) {
    TunnelBench bench;
    TunnelEffect tunnel(600, 600, 1, 0, bench.texture);
    std::vector<char> other(64 << 20, 1);
    Clock::SetSource(NextFrame, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        for (std::size_t i = 0; i < other.size(); i += 64)
            other[i] = static_cast<char>(other[i] + 1);
        benchmark::DoNotOptimize(other.data());
        state.ResumeTiming();
        tunnel.Draw(bench.screen);
        benchmark::ClobberMemory();
    }
    Clock::ResetSource();
    state.SetItemsProcessed(state.iterations() * 600 * 600);
}
BENCHMARK(BM_TunnelDrawMenuScreenCold)->Unit(benchmark::kMicrosecond);

// Loading the texture and building both 1200 by 1200 tables.
void BM_TunnelBuildMenuTables(benchmark::State& state) {
    TunnelBench bench;
    for (auto _ : state) {
        TunnelEffect tunnel(600, 600, 1, 0, bench.texture);
        benchmark::DoNotOptimize(tunnel.GetTexture());
    }
    state.SetItemsProcessed(state.iterations() * 1200 * 1200);
}
BENCHMARK(BM_TunnelBuildMenuTables)->Unit(benchmark::kMillisecond);

// The texture load alone, to tell it apart from the tables above.
void BM_TunnelTextureLoad(benchmark::State& state) {
    TunnelBench bench;
    for (auto _ : state) {
        SurfacePtr picture = LoadDisplayImage(bench.texture);
        benchmark::DoNotOptimize(picture.get());
    }
}
BENCHMARK(BM_TunnelTextureLoad)->Unit(benchmark::kMillisecond);

}  // namespace
