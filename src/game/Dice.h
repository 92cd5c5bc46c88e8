#ifndef TARVELLO_DICE_H
#define TARVELLO_DICE_H

#include <SDL.h>

#include <memory>

class SoundHolder;
class SurfaceHolder;

// The one die of a game: a throw fixes its face at once, then random faces flicker on the
// screen for 2060 ms while the roll sound plays.
class Dice {
  public:
    static const Uint32 RollTime = 2060;
    static const int FaceSize = 60;
    static const int DrawX = 500;
    static const int DrawY = 520;

    // Raises SDL_Exception when the sound or the face strip cannot be loaded.
    Dice();
    ~Dice();

    Dice(const Dice&) = delete;
    Dice& operator=(const Dice&) = delete;

    // Uniform over 1 to 6 from the shared generator.
    static int RandomFace();
    void Roll();
    int GetValue() const { return value; }
    bool IsRolling() const;
    void Draw(SDL_Surface* target);

    // For tests: every later Roll() gives this face; 0 returns to random throws.
    void FixValue(int face);

  private:
    std::unique_ptr<SoundHolder> rollSound;
    std::unique_ptr<SurfaceHolder> faces;  // six faces side by side
    Uint32 rollStart;
    int value;
    int fixedFace;
};

#endif
