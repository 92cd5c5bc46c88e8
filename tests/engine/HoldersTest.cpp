#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <string>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MusicHolder.h"
#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/SoundHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "support/SdlSession.h"
#include "support/TempFiles.h"

namespace {

class Holders : public testing::Test {
  protected:
    void SetUp() override {
        WriteToneWav(folder.File("tone.wav"), 400);
        SDL_Surface* picture = SDL_CreateRGBSurface(0, 8, 6, 32, 0, 0, 0, 0);
        SDL_SaveBMP(picture, folder.File("picture.bmp").c_str());
        SDL_FreeSurface(picture);
        MusicEnabled = true;
        SoundEnabled = true;
    }
    void TearDown() override {
        MusicEnabled = true;
        SoundEnabled = true;
    }

    SdlSession sdl{true};
    TempFolder folder;
};

TEST_F(Holders, EachLiveHolderIsCountedOnceAndUncountedWhenItGoes) {
    {
        SurfaceHolder picture(folder.File("picture.bmp"));
        SurfaceHolder adopted(SDL_CreateRGBSurface(0, 2, 2, 32, 0, 0, 0, 0));
        SoundHolder sound(folder.File("tone.wav"));
        MusicHolder music(folder.File("tone.wav"));
        EXPECT_EQ(2, SurfaceCount);
        EXPECT_EQ(1, ChunkCount);
        EXPECT_EQ(1, MusicCount);
        EXPECT_EQ(8, picture.Get()->w);
        EXPECT_EQ(6, picture.Get()->h);
    }
    EXPECT_EQ(0, SurfaceCount);
    EXPECT_EQ(0, ChunkCount);
    EXPECT_EQ(0, MusicCount);
}

TEST_F(Holders, LoadedPicturesHaveAnAlphaChannel) {
    SurfaceHolder picture(folder.File("picture.bmp"));
    EXPECT_NE(0u, picture.Get()->format->Amask);
}

TEST_F(Holders, FailedLoadsRaiseWithSdlsTextAndCountNothing) {
    const std::string missing = folder.File("missing");
    EXPECT_THROW(SurfaceHolder{missing + ".png"}, SDL_Exception);
    EXPECT_THROW(FontHolder(missing + ".ttf", 12), SDL_Exception);
    EXPECT_THROW(MusicHolder{missing + ".ogg"}, SDL_Exception);
    EXPECT_THROW(SoundHolder{missing + ".wav"}, SDL_Exception);
    EXPECT_EQ(0, SurfaceCount);
    EXPECT_EQ(0, FontCount);
    EXPECT_EQ(0, MusicCount);
    EXPECT_EQ(0, ChunkCount);
    try {
        SurfaceHolder picture(missing + ".png");
    } catch (const SDL_Exception& error) {
        EXPECT_EQ("SDL_Exception::" + std::string(SDL_GetError()) + "\n", error.what());
    }
}

TEST_F(Holders, AdoptingNoSurfaceRaisesWithTheLastSdlError) {
    SDL_SetError("render failed");
    try {
        SurfaceHolder nothing(static_cast<SDL_Surface*>(nullptr));
        FAIL() << "no exception";
    } catch (const SDL_Exception& error) {
        EXPECT_STREQ("SDL_Exception::render failed\n", error.what());
    }
    EXPECT_EQ(0, SurfaceCount);
}

TEST_F(Holders, SwitchedOffSoundPlaysNothing) {
    SoundHolder sound(folder.File("tone.wav"));
    SoundEnabled = false;
    sound.Play();
    EXPECT_EQ(0, Mix_Playing(-1));
    SoundEnabled = true;
    sound.Play();
    EXPECT_EQ(1, Mix_Playing(-1));
    Mix_HaltChannel(-1);
}

TEST_F(Holders, SwitchedOffMusicDoesNotStart) {
    MusicHolder music(folder.File("tone.wav"));
    MusicEnabled = false;
    music.Play();
    EXPECT_EQ(0, Mix_PlayingMusic());
    MusicEnabled = true;
    music.Play();
    EXPECT_EQ(1, Mix_PlayingMusic());
}

TEST_F(Holders, DestroyingPlayingMusicLeavesTheMixerSilentAndSettled) {
    auto* music = new MusicHolder(folder.File("tone.wav"));
    music->Play();
    ASSERT_EQ(1, Mix_PlayingMusic());
    delete music;
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_EQ(MIX_NO_FADING, Mix_FadingMusic());
    EXPECT_EQ(0, MusicCount);
}

TEST(HoldersWithoutDisplay, PictureBeforeTheWindowOpensRaisesInsteadOfCrashing) {
    TempFolder folder;
    SDL_Surface* picture = SDL_CreateRGBSurface(0, 2, 2, 32, 0, 0, 0, 0);
    SDL_SaveBMP(picture, folder.File("p.bmp").c_str());
    SDL_FreeSurface(picture);
    try {
        SurfaceHolder holder(folder.File("p.bmp"));
        FAIL() << "no exception";
    } catch (const SDL_Exception& error) {
        EXPECT_STREQ("SDL_Exception::No video mode has been set\n", error.what());
    }
    EXPECT_EQ(0, SurfaceCount);
}

TEST_F(Holders, DestroyingMusicOnAStalledAudioDeviceStillReturns) {
    auto* music = new MusicHolder(folder.File("tone.wav"));
    music->Play();
    SDL_PauseAudio(1);  // the device stops asking for sound, so no fade can ever finish
    delete music;
    SDL_PauseAudio(0);
    EXPECT_EQ(0, Mix_PlayingMusic());
    EXPECT_EQ(0, MusicCount);
}

}  // namespace
