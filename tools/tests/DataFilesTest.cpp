// The generated pictures, loaded the way the game loads them, from the build folder. Their pixels
// are pinned by the screens' recorded frames; their sounds are checked in GeneratedDataTest.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <memory>
#include <string>

#include "support/SdlSession.h"

namespace {

struct PictureCase {
    const char* path;
    int width, height;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.path; }

class PictureSize : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureSize, LoadsWithTheSizeTheScreensDrawItAtFromAFileOfItsNamedType) {
    SdlSession sdl;
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> picture(IMG_Load(GetParam().path),
                                                                 SDL_FreeSurface);
    ASSERT_TRUE(picture) << IMG_GetError();
    EXPECT_EQ(GetParam().width, picture->w);
    EXPECT_EQ(GetParam().height, picture->h);
    std::string head(4, '\0');
    std::ifstream(GetParam().path, std::ios::binary).read(&head[0], 4);
    const bool jpeg = std::string(GetParam().path).find(".jpg") != std::string::npos;
    EXPECT_EQ(jpeg ? std::string("\xFF\xD8\xFF") : std::string("\x89PNG"),
              head.substr(0, jpeg ? 3 : 4));
}

INSTANTIATE_TEST_SUITE_P(EveryFixedSizePicture, PictureSize,
                         testing::Values(PictureCase{"data/gfx/background.png", 600, 600},
                                         PictureCase{"data/gfx/Background.png", 600, 600},
                                         PictureCase{"data/gfx/MainMenu.png", 450, 50},
                                         PictureCase{"data/gfx/Start.png", 375, 50},
                                         PictureCase{"data/gfx/ThrowDice.png", 90, 60},
                                         PictureCase{"data/gfx/ok.png", 48, 24},
                                         PictureCase{"data/gfx/MyDice.png", 360, 60},
                                         PictureCase{"data/gfx/GreenPiece.png", 31, 31},
                                         PictureCase{"data/gfx/RedPiece.png", 31, 31},
                                         PictureCase{"data/gfx/BluePiece.png", 31, 31},
                                         PictureCase{"data/gfx/YellowPiece.png", 31, 31},
                                         PictureCase{"data/Velkor.jpg", 600, 600},
                                         PictureCase{"data/SDL.jpg", 600, 600}),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                             std::string name = info.param.path + 5;  // without "data/"
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
