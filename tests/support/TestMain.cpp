#include <gtest/gtest.h>

#include <cstdlib>

// The tests run headless: SDL draws into memory and plays into nothing.
int main(int argc, char** argv) {
    static char video[] = "SDL_VIDEODRIVER=dummy";
    static char audio[] = "SDL_AUDIODRIVER=dummy";
    putenv(video);
    putenv(audio);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
