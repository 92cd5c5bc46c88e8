#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SDL_Menu.h"
#include "SDL_Engine/cMenu.h"
#include "game/DataFiles.h"

namespace {
const char* const FontFile = DataFiles::kTitleFont;

// One pass of the main menu's drawing: a three-entry panel on a 600 by 600 surface.
void BM_MenuDraw(benchmark::State& state) {
    if (!std::ifstream(FontFile)) {
        state.SkipWithError("data/fonts/Jester.ttf is missing; run from the build folder");
        return;
    }
    SDL_Init(SDL_INIT_VIDEO);
    TTF_Init();
    SDL_Surface* screen = SDL_SetVideoMode(600, 600, 32, SDL_SWSURFACE);
    {
        cMenu list;
        list.AddItem(100, "New Game");
        list.AddItem(101, "Options");
        list.AddItem(102, "Exit");
        const SDL_Color panel = {255, 255, 255, 0}, text = {102, 154, 246, 0};
        SDL_Menu menu(&list, std::make_unique<FontHolder>(FontFile, 24), panel, text);
        for (auto _ : state) {
            menu.Draw(screen);
            benchmark::DoNotOptimize(screen->pixels);
        }
    }
    TTF_Quit();
    SDL_Quit();
}
BENCHMARK(BM_MenuDraw)->Unit(benchmark::kMicrosecond);
}  // namespace
