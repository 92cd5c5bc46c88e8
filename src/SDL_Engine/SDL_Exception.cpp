#include "SDL_Engine/SDL_Exception.h"

SDL_Exception::SDL_Exception(const std::string& text) : message("SDL_Exception::" + text + "\n") {}

SDL_Exception::~SDL_Exception() = default;

const char* SDL_Exception::what() const noexcept { return message.c_str(); }
