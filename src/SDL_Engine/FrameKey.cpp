#include "SDL_Engine/FrameKey.h"

FrameKey& FrameKey::operator<<(int value) {
    values.push_back(value);
    return *this;
}

// The length first, so that texts split differently never give the same key.
FrameKey& FrameKey::operator<<(const std::string& text) {
    values.push_back(static_cast<int>(text.size()));
    values.insert(values.end(), text.begin(), text.end());
    return *this;
}
