#include "SDL_Engine/FontHolder.h"

FontHolder::FontHolder(const std::string& path, int pointSize)
    : size(pointSize), font(TTF_OpenFont(path.c_str(), pointSize)) {}
