#include "SDL_Engine/FontHolder.h"

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"

FontHolder::FontHolder(const std::string& path, int pointSize)
    : size(pointSize), font(TTF_OpenFont(path.c_str(), pointSize)) {
    if (!font) throw SDL_Exception(SDL_GetError());
    ++FontCount;
}

FontHolder::~FontHolder() {
    if (font) {
        TTF_CloseFont(font);
        font = nullptr;
    }
    --FontCount;
}
