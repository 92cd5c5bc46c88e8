#include <SDL.h>
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "SDL_Engine/Drawing.h"

namespace {

// SDL with the game's screen, and one screen-sized surface to draw on.
class DrawingBench {
  public:
    DrawingBench() {
        if (SDL_Init(SDL_INIT_VIDEO) < 0) throw std::runtime_error(SDL_GetError());
        if (!SDL_SetVideoMode(600, 600, 32, SDL_DOUBLEBUF | SDL_ANYFORMAT)) {
            throw std::runtime_error(SDL_GetError());
        }
        canvas = CreateFilledSurface(600, 600, 0, 0, 0);
    }
    ~DrawingBench() {
        canvas.reset();
        SDL_Quit();
    }

    SurfacePtr canvas;
};

void BM_DrawLineAcrossTheScreen(benchmark::State& state) {
    DrawingBench bench;
    for (auto _ : state) DrawLine(bench.canvas.get(), 0xFFFFFF, 0, 0, 599, 433);
}
BENCHMARK(BM_DrawLineAcrossTheScreen)->Unit(benchmark::kMicrosecond);

// About the size of the board's largest triangles.
void BM_FillTriangle(benchmark::State& state) {
    DrawingBench bench;
    for (auto _ : state) FillTriangle(bench.canvas.get(), 100, 100, 340, 220, 100, 340, 255, 0, 0);
}
BENCHMARK(BM_FillTriangle)->Unit(benchmark::kMicrosecond);

void BM_FillCircle(benchmark::State& state) {
    DrawingBench bench;
    for (auto _ : state) FillCircle(bench.canvas.get(), 300, 300, 20, 0, 128, 255);
}
BENCHMARK(BM_FillCircle)->Unit(benchmark::kMicrosecond);

void BM_ScaleSurfaceDouble(benchmark::State& state) {
    DrawingBench bench;
    SurfacePtr source = CreateFilledSurface(64, 64, 10, 20, 30);
    for (auto _ : state) ScaleSurface(source.get(), 128, 128);
}
BENCHMARK(BM_ScaleSurfaceDouble)->Unit(benchmark::kMicrosecond);

void BM_BlendSurfaceAverage(benchmark::State& state) {
    DrawingBench bench;
    SurfacePtr source = CreateFilledSurface(100, 100, 10, 20, 30);
    for (auto _ : state) BlendSurface(bench.canvas.get(), source.get(), 250, 250, 0);
}
BENCHMARK(BM_BlendSurfaceAverage)->Unit(benchmark::kMicrosecond);

}  // namespace
