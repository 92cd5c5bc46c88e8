#include "support/SdlSession.h"

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <stdexcept>

SdlSession::SdlSession(bool withAudio) : audio(withAudio), screen(nullptr) {
    Uint32 systems = SDL_INIT_VIDEO | (audio ? SDL_INIT_AUDIO : 0);
    if (SDL_Init(systems) < 0) throw std::runtime_error(SDL_GetError());
    screen = SDL_SetVideoMode(600, 600, 32, SDL_DOUBLEBUF | SDL_ANYFORMAT);
    if (!screen) throw std::runtime_error(SDL_GetError());
    if (TTF_Init() < 0) throw std::runtime_error(SDL_GetError());
    if (audio && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) < 0) {
        throw std::runtime_error(SDL_GetError());
    }
    DropWindowEvents();
}

void DropWindowEvents() {
    const Uint32 notices = SDL_EVENTMASK(SDL_ACTIVEEVENT) | SDL_EVENTMASK(SDL_VIDEOEXPOSE) |
                           SDL_EVENTMASK(SDL_VIDEORESIZE) | SDL_EVENTMASK(SDL_MOUSEMOTION);
    SDL_Event event;
    SDL_PumpEvents();
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, notices) > 0) {
    }
}

SdlSession::~SdlSession() {
    if (audio) Mix_CloseAudio();
    TTF_Quit();
    SDL_Quit();
}
