#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MusicHolder.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/SoundHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "game/DataFiles.h"
#include "support/LiveResources.h"
#include "support/Pixels.h"
#include "support/SdlSession.h"

namespace {

const char* const Tone = DataFiles::kDiceSound;

// Runs with SDL and the mixer open, and sound and music switched on again at the end.
class Holders : public testing::Test {
  protected:
    void TearDown() override { MusicEnabled = SoundEnabled = true; }

    SdlSession sdl{true};
};

TEST_F(Holders, EachLiveHolderIsCountedOnceAndUncountedWhenItGoes) {
    {
        SurfaceHolder picture(DataFiles::kGreenPiece);
        SurfaceHolder photo(DataFiles::kLibraryCard);
        SurfaceHolder adopted(CreateSurface(2, 2, 0, PixelLayout::Rgb32));
        SoundHolder sound(Tone);
        MusicHolder music(Tone);
        FontHolder font(DataFiles::kTitleFont, 12);
        EXPECT_EQ((Counts{{"chunks", 1}, {"fonts", 1}, {"music", 1}, {"surfaces", 3}}),
                  LiveResources());
        EXPECT_NE(nullptr, sound.Get());
        EXPECT_EQ(12, font.GetPointSize());
        EXPECT_NE(0u, picture.Get()->format->Amask) << "loaded pictures have an alpha channel";
        SDL_FillRect(adopted.Get(), nullptr, SDL_MapRGB(adopted.Get()->format, 1, 2, 3));
        picture.DrawOn(adopted.Get(), 0, 0);
        EXPECT_EQ(0x010203u, ColourAt(adopted.Get(), 0, 0))
            << "its see-through corner shows through";
        EXPECT_EQ(0u, photo.Get()->flags & SDL_SRCALPHA)
            << "a picture seen through nowhere is copied";
        EXPECT_NE(0u, picture.Get()->flags & SDL_SRCALPHA);
    }
    EXPECT_EQ(NoneLive, LiveResources());
}

TEST_F(Holders, SwitchedOffSoundAndMusicPlayNothing) {
    SoundHolder sound(Tone);
    MusicHolder music(Tone);
    SoundEnabled = MusicEnabled = false;
    sound.Play();
    music.Play();
    EXPECT_EQ(0, Mix_Playing(-1));
    EXPECT_EQ(0, Mix_PlayingMusic());
    SoundEnabled = MusicEnabled = true;
    sound.Play();
    music.Play();
    EXPECT_EQ(1, Mix_Playing(-1));
    EXPECT_EQ(1, Mix_PlayingMusic());
    sound.Play();
    EXPECT_EQ(2, Mix_Playing(-1)) << "a sound played again takes a free channel of its own";
    Mix_HaltChannel(-1);
}

TEST_F(Holders, DestroyingPlayingSoundsOrMusicLeavesTheMixerSilentAndSettled) {
    // A freed sound must not go on playing from memory that is no longer its own.
    auto* sound = new SoundHolder(Tone);
    sound->Play();
    ASSERT_EQ(1, Mix_Playing(-1));
    delete sound;
    EXPECT_EQ(0, Mix_Playing(-1));
    auto* music = new MusicHolder(Tone);
    music->Play();
    ASSERT_EQ(1, Mix_PlayingMusic());
    delete music;
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_EQ(MIX_NO_FADING, Mix_FadingMusic());
    EXPECT_EQ(0, MusicCount);
    // On a stalled device no fade can ever finish; the wait for it still ends.
    music = new MusicHolder(Tone);
    music->Play();
    SDL_PauseAudio(1);
    delete music;
    SDL_PauseAudio(0);
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_EQ(0, MusicCount);
}

}  // namespace
