#include "game/Dice.h"

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/SoundHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "game/DataFiles.h"

Dice::Dice()
    : rollSound(std::make_unique<SoundHolder>(DataFiles::kDiceSound)),
      faces(std::make_unique<SurfaceHolder>(DataFiles::kDice)),
      rollStart(0),
      value(1),
      fixedFace(0) {}

Dice::~Dice() = default;

int Dice::RandomFace() { return static_cast<int>(RandomInt(6)) + 1; }

void Dice::Roll() {
    value = fixedFace != 0 ? fixedFace : RandomFace();
    rollStart = Clock::Ticks();
    rollSound->Play();
}

// Measured as elapsed time so that a throw made just before the tick counter wraps round still
// stops 2060 ms later. A new die counts as rolling during the first 2060 ms of the tick
// counter, as its roll start is 0; nothing throws that early.
bool Dice::IsRolling() const { return Clock::Ticks() - rollStart <= RollTime; }

void Dice::Draw(SDL_Surface* target) {
    if (!target) return;
    const int face = IsRolling() ? RandomFace() : value;
    faces->DrawOn(target, DrawX, DrawY, FaceSize * (face - 1), 0, FaceSize, FaceSize);
}

void Dice::FixValue(int face) { fixedFace = face >= 1 && face <= 6 ? face : 0; }
