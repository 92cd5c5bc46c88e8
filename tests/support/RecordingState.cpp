#include "support/RecordingState.h"

std::vector<std::string> RecordingState::journal;

RecordingState::RecordingState(const std::string& name, bool initSucceeds)
    : name(name), initSucceeds(initSucceeds) {}

RecordingState::~RecordingState() { Note("delete"); }

void RecordingState::Note(const std::string& what) { journal.push_back(name + "." + what); }

bool RecordingState::Init() {
    Note("Init");
    return initSucceeds;
}

void RecordingState::Cleanup() { Note("Cleanup"); }
void RecordingState::Pause() { Note("Pause"); }
void RecordingState::Resume() { Note("Resume"); }
void RecordingState::HandleKeyDown(SDL_Event*) { Note("KeyDown"); }
void RecordingState::HandleKeyUp(SDL_Event*) { Note("KeyUp"); }
void RecordingState::HandleMouseMotion(SDL_Event*) { Note("MouseMotion"); }
void RecordingState::HandleMouseButtonUp(SDL_Event*) { Note("MouseButtonUp"); }
void RecordingState::HandleMouseButtonDown(SDL_Event*) { Note("MouseButtonDown"); }
void RecordingState::HandleUserEvent(SDL_Event* event) {
    Note("UserEvent" + std::to_string(event->user.code));
}
void RecordingState::Update() { ++updates; }

void RecordingState::Draw(SDL_Surface* screen) {
    ++draws;
    if (revealOnDraw) SDL_GameState::Draw(screen);
}
