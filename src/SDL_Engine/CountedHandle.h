#ifndef TARVELLO_COUNTED_HANDLE_H
#define TARVELLO_COUNTED_HANDLE_H

#include <SDL.h>

#include <memory>

#include "SDL_Engine/SDL_Exception.h"

// The owner inside every resource holder: it takes one SDL resource, frees it with Free when it
// goes, and keeps Count, the live counter of its kind, exact. The counter goes up once the
// resource is taken and down once it is freed; a null resource raises SDL_Exception with SDL's
// error and is never counted.
template <typename Resource, typename Free, int& Count>
class CountedHandle {
  public:
    explicit CountedHandle(Resource* taken) : owned(taken) {
        if (!owned) throw SDL_Exception(SDL_GetError());
        ++Count;
    }
    ~CountedHandle() {
        owned.reset();
        --Count;
    }

    CountedHandle(const CountedHandle&) = delete;
    CountedHandle& operator=(const CountedHandle&) = delete;

    Resource* get() const { return owned.get(); }
    Resource* operator->() const { return owned.get(); }
    explicit operator bool() const { return owned != nullptr; }

  private:
    std::unique_ptr<Resource, Free> owned;
};

#endif
