#ifndef TARVELLO_TESTS_RECORDING_STATE_H
#define TARVELLO_TESTS_RECORDING_STATE_H

#include <string>
#include <vector>

#include "SDL_Engine/SDL_GameState.h"

// A screen that writes every call the engine makes on it into one shared journal, as
// "name.Call"; updates and draws are only counted.
class RecordingState : public SDL_GameState {
  public:
    inline static std::vector<std::string> journal;

    explicit RecordingState(const std::string& name, bool initSucceeds = true)
        : name(name), initSucceeds(initSucceeds) {}
    ~RecordingState() override { Note("delete"); }

    bool Init() override { return Note("Init"), initSucceeds; }
    void Cleanup() override { Note("Cleanup"); }
    void Pause() override { Note("Pause"); }
    void Resume() override { Note("Resume"); }
    void HandleKeyDown(SDL_Event*) override { Note("KeyDown"); }
    void HandleKeyUp(SDL_Event*) override { Note("KeyUp"); }
    void HandleMouseMotion(SDL_Event*) override { Note("MouseMotion"); }
    void HandleMouseButtonUp(SDL_Event*) override { Note("MouseButtonUp"); }
    void HandleMouseButtonDown(SDL_Event*) override { Note("MouseButtonDown"); }
    void HandleUserEvent(SDL_Event* e) override {
        Note("UserEvent" + std::to_string(e->user.code));
    }
    void Update() override { ++updates; }
    void Draw(SDL_Surface*) override { ++draws; }

    int updates = 0;
    int draws = 0;

  private:
    void Note(const std::string& what) { journal.push_back(name + "." + what); }

    std::string name;
    bool initSucceeds;
};

#endif
