#include "screens/GameResults.h"

#include <cstdio>
#include <memory>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SDL_Button.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/WindowSize.h"
#include "game/Commands.h"
#include "game/GameRecord.h"
#include "game/SeatColour.h"
#include "screens/Buttons.h"
#include "screens/MainMenu.h"

namespace {
const char* const kTitle = "Tarvello - Game Results";
const SDL_Color kBlack = Rgb(0, 0, 0);

void GoToMainMenu() { SDL_Engine::GetInstance()->ChangeState(new MainMenu()); }
}  // namespace

std::string GameResults::FormatTime(Uint32 playTime) {
    Uint32 seconds = playTime / 1000;
    char text[48];
    std::snprintf(text, sizeof text, "Total Time: %02u:%02u:%02u", seconds / 3600,
                  (seconds % 3600) / 60, seconds % 60);
    return text;
}

bool GameResults::Init() {
    if (GameRecord.finishers.empty()) return false;
    FontHolder font(DataFiles::kTitleFont, 21);
    int lineSkip = GetLineSkip(&font);
    int titleWidth = GetTextWidth(&font, kTitle);
    std::unique_ptr<SurfaceHolder> table = RenderTable(&font, lineSkip);
    background = std::make_unique<SurfaceHolder>(DataFiles::kResultsBackdrop);
    widgets.Add(MakeButton(kMainMenuButton));
    DrawText(&font, background->Get(), kBlack, (kWindowWidth - titleWidth) / 2, 10, kTitle);
    table->DrawOn(background.get(), 0, lineSkip + 20);
    DrawText(&font, background->Get(), kBlack, 15, lineSkip + table->Get()->h + 30,
             FormatTime(GameRecord.playTime));
    GameRecord.finishers.clear();
    return true;
}

// One bar per finisher in its colour, with its place and its name, on a black band.
std::unique_ptr<SurfaceHolder> GameResults::RenderTable(const FontHolder* font,
                                                        int lineSkip) const {
    int count = static_cast<int>(GameRecord.finishers.size());
    auto table = std::make_unique<SurfaceHolder>(
        CreateSurface(kWindowWidth, (lineSkip + 15) * count + 5, 0));
    for (int i = 0; i < count; ++i) {
        const PlayerInfo& finisher = GameRecord.finishers[i];
        int y = 5 + i * (lineSkip + 15);
        SDL_Rect bar = MakeRect(5, y, 590, lineSkip + 10);
        // A record from outside the four seats still gets a bar, in black on black.
        SDL_Color colour = SeatColour(finisher.colour);
        table->Fill(&bar, colour.r, colour.g, colour.b);
        DrawText(font, table->Get(), kBlack, 15, y + 5, std::to_string(i + 1) + ".");
        DrawText(font, table->Get(), kBlack, 40, y + 5, finisher.name);
    }
    return table;
}

void GameResults::HandleKeyDown(SDL_Event* event) {
    SDLKey key = event->key.keysym.sym;
    if (key != SDLK_RETURN && key != SDLK_ESCAPE) return;
    GoToMainMenu();
    // the results screen is gone
}

void GameResults::HandleUserEvent(SDL_Event* event) {
    if (event->type != kButtonEvent || event->user.code != kMainMenuButton.code) return;
    GoToMainMenu();
    // the results screen is gone
}

void GameResults::Draw(SDL_Surface* screen) {
    if (!screen) return;
    SDL_GameState::Draw(screen);
    background->DrawOn(screen, 0, 0);
    widgets.DrawAll(screen);
}
