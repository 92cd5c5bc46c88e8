#ifndef TARVELLO_FRAME_KEY_H
#define TARVELLO_FRAME_KEY_H

#include <string>
#include <vector>

// Everything a screen's next frame depends on, written down value by value: two equal keys
// draw the same pixels, so a screen can tell a frame that repeats the last one.
class FrameKey {
  public:
    FrameKey& operator<<(int value);
    FrameKey& operator<<(const std::string& text);
    bool operator==(const FrameKey& other) const { return values == other.values; }

  private:
    std::vector<int> values;
};

#endif
