#ifndef TARVELLO_SDL_EXCEPTION_H
#define TARVELLO_SDL_EXCEPTION_H

#include <exception>
#include <string>

// The one exception of the game: a failure nothing can go on from. Only the entry point catches it.
class SDL_Exception : public std::exception {
  public:
    explicit SDL_Exception(const std::string& text);
    ~SDL_Exception() override;
    const char* what() const noexcept override;

  private:
    std::string message;
};

#endif
