#include <gtest/gtest.h>

#include <cstdlib>

// The tests run headless: SDL draws into memory and plays into nothing.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
