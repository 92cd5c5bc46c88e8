#include "SDL_Engine/UserEvent.h"

void PushUserEvent(Uint8 type, int code) {
    SDL_Event event;
    event.type = type;
    event.user.type = type;
    event.user.code = code;
    event.user.data1 = nullptr;
    event.user.data2 = nullptr;
    SDL_PushEvent(&event);
}
