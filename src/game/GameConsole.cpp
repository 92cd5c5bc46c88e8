#include "game/GameConsole.h"

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "game/DataFiles.h"

namespace {
const SDL_Color TextColour = Rgb(65, 70, 235);

// Halves towards minus infinity, so a text taller than the panel still sits centred.
int HalfDown(int n) { return n >= 0 ? n / 2 : -((1 - n) / 2); }
}  // namespace

GameConsole::GameConsole()
    : font(std::make_unique<FontHolder>(DataFiles::kPanelFont, 18)),
      panel(std::make_unique<SurfaceHolder>(DataFiles::kConsole)) {}

GameConsole::~GameConsole() = default;

void GameConsole::AddMessage(const ConsoleMessage& message) { queue.push_back(message); }

void GameConsole::SetText(const std::string& text) { standingText = text; }

void GameConsole::Clear() {
    queue.clear();
    standingText.clear();
}

void GameConsole::Update() {
    if (queue.empty()) return;
    ConsoleMessage& front = queue.front();
    const Uint32 now = Clock::Ticks();
    if (front.start == 0) {
        front.start = now;
    } else if (now - front.start > front.duration) {  // elapsed time survives a wrap
        queue.pop_front();
    }
}

void GameConsole::Draw(SDL_Surface* target) {
    if (!target) return;
    panel->DrawOn(target, PanelX, PanelY);
    const std::string text = GetCurrentText();
    if (text.empty()) return;
    DrawText(font.get(), target, TextColour, TextX, GetTextTop(text), text);
}

std::string GameConsole::GetCurrentText() const {
    return queue.empty() ? standingText : queue.front().text;
}

int GameConsole::GetTextTop(const std::string& text) const {
    return PanelY + HalfDown(panel->Get()->h - GetTextHeight(font.get(), text));
}
