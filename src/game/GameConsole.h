#ifndef TARVELLO_GAME_CONSOLE_H
#define TARVELLO_GAME_CONSOLE_H

#include <SDL.h>

#include <deque>
#include <memory>
#include <string>

#include "game/ConsoleMessage.h"

class FontHolder;
class SurfaceHolder;

// The message panel under the board: shows the next timed notice, or the standing prompt when
// no notice is waiting.
class GameConsole {
  public:
    static const int PanelX = 20;
    static const int PanelY = 520;
    static const int TextX = 30;

    // Raises SDL_Exception when the font or the panel picture cannot be loaded.
    GameConsole();
    ~GameConsole();

    GameConsole(const GameConsole&) = delete;
    GameConsole& operator=(const GameConsole&) = delete;

    void AddMessage(const ConsoleMessage& message);
    void SetText(const std::string& text);
    // Drops every notice, shown or not, and the standing text.
    void Clear();
    bool HasMessages() const { return !queue.empty(); }
    // Once per logic update: starts the front notice's clock, or removes it when its time is up.
    void Update();
    void Draw(SDL_Surface* target);

    // The notice at the front of the queue, else the standing text.
    std::string GetCurrentText() const;
    // Where the top line of text goes, so the block sits centred on the panel's height.
    int GetTextTop(const std::string& text) const;

  private:
    std::unique_ptr<FontHolder> font;
    std::unique_ptr<SurfaceHolder> panel;
    std::deque<ConsoleMessage> queue;
    std::string standingText;
};

#endif
