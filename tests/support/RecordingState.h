#ifndef TARVELLO_TESTS_RECORDING_STATE_H
#define TARVELLO_TESTS_RECORDING_STATE_H

#include <string>
#include <vector>

#include "SDL_Engine/SDL_GameState.h"

// A screen that writes every call the engine makes on it into one shared journal.
class RecordingState : public SDL_GameState {
  public:
    static std::vector<std::string> journal;

    explicit RecordingState(const std::string& name, bool initSucceeds = true);
    ~RecordingState() override;

    bool Init() override;
    void Cleanup() override;
    void Pause() override;
    void Resume() override;
    void HandleKeyDown(SDL_Event*) override;
    void HandleKeyUp(SDL_Event*) override;
    void HandleMouseMotion(SDL_Event*) override;
    void HandleMouseButtonUp(SDL_Event*) override;
    void HandleMouseButtonDown(SDL_Event*) override;
    void HandleUserEvent(SDL_Event*) override;
    void Update() override;
    void Draw(SDL_Surface* screen) override;

    int updates = 0;
    int draws = 0;
    bool revealOnDraw = false;

  private:
    void Note(const std::string& what);

    std::string name;
    bool initSucceeds;
};

#endif
