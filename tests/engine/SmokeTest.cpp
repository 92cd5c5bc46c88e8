#include <gtest/gtest.h>

#include "SDL_Engine/SDL_Exception.h"

TEST(SdlException, WhatCarriesPrefixAndLineEnd) {
    SDL_Exception error("boom");
    EXPECT_STREQ("SDL_Exception::boom\n", error.what());
}
