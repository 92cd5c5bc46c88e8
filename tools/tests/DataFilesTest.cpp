// The generated run-time files, loaded the way the game loads them, from the build folder.
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "support/SdlSession.h"

namespace {
using Picture = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;

Picture Load(const std::string& path) { return Picture(IMG_Load(path.c_str()), SDL_FreeSurface); }

SDL_Color PixelAt(SDL_Surface* surface, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                     x * surface->format->BytesPerPixel;
    Uint32 value = 0;
    for (int i = 0; i < surface->format->BytesPerPixel; ++i) value |= Uint32(p[i]) << (8 * i);
    SDL_Color c;
    Uint8 alpha = 255;
    SDL_GetRGBA(value, surface->format, &c.r, &c.g, &c.b, &alpha);
    c.unused = alpha;
    return c;
}

double Brightness(SDL_Surface* surface, int left, int width) {
    double sum = 0;
    for (int y = 0; y < surface->h; ++y)
        for (int x = left; x < left + width; ++x) {
            SDL_Color c = PixelAt(surface, x, y);
            sum += (c.r + c.g + c.b) * (c.unused / 255.0);
        }
    return sum / (width * surface->h);
}

std::string FileStart(const char* path, size_t count) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes(count, '\0');
    file.read(&bytes[0], static_cast<std::streamsize>(count));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes;
}

uint32_t LittleEndian(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | uint8_t(bytes[at + i]);
    return value;
}

struct PictureCase {
    const char* path;
    int width, height;
};

class PictureSize : public testing::TestWithParam<PictureCase> {};
}  // namespace

TEST_P(PictureSize, LoadsWithTheSizeTheScreensDrawItAt) {
    SdlSession sdl;
    Picture picture = Load(GetParam().path);
    ASSERT_TRUE(picture) << IMG_GetError();
    EXPECT_EQ(GetParam().width, picture->w);
    EXPECT_EQ(GetParam().height, picture->h);
    std::string head = FileStart(GetParam().path, 4);
    bool jpeg = std::string(GetParam().path).find(".jpg") != std::string::npos;
    EXPECT_EQ(jpeg ? std::string("\xFF\xD8\xFF") : std::string("\x89PNG"),
              head.substr(0, jpeg ? 3 : 4))
        << "the content matches the file name's type";
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

TEST(DataFiles, PiecesAreRoundTokensWithTransparentCorners) {
    SdlSession sdl;
    for (const char* name : {"Green", "Red", "Blue", "Yellow"}) {
        Picture piece = Load(std::string("data/gfx/") + name + "Piece.png");
        ASSERT_TRUE(piece) << name;
        ASSERT_NE(0u, piece->format->Amask) << name;
        for (int corner : {0, 30}) {
            EXPECT_EQ(0, PixelAt(piece.get(), corner, corner).unused) << name;
            EXPECT_EQ(0, PixelAt(piece.get(), 30 - corner, corner).unused) << name;
        }
        EXPECT_EQ(255, PixelAt(piece.get(), 15, 15).unused) << name;
        SDL_Color rim = PixelAt(piece.get(), 15, 1);
        EXPECT_LT(rim.r + rim.g + rim.b, 3 * 110) << name << " needs a dark outline";
    }
}

TEST(DataFiles, ButtonFramesGetBrighterOnHoverAndChangeWhenPressed) {
    SdlSession sdl;
    const struct {
        const char* path;
        int frame;
    } buttons[] = {{"data/gfx/MainMenu.png", 150},
                   {"data/gfx/Start.png", 125},
                   {"data/gfx/ThrowDice.png", 30}};
    for (const auto& button : buttons) {
        Picture strip = Load(button.path);
        ASSERT_TRUE(strip) << button.path;
        double normal = Brightness(strip.get(), 0, button.frame);
        double hovered = Brightness(strip.get(), button.frame, button.frame);
        double pressed = Brightness(strip.get(), 2 * button.frame, button.frame);
        EXPECT_GT(hovered, normal + 10) << button.path;
        EXPECT_GT(std::abs(pressed - normal), 10) << button.path;
    }
}

namespace {
// Counts the separate dark spots in a 60 by 60 die face, away from its rim.
int CountPips(SDL_Surface* strip, int face) {
    std::vector<int> seen(60 * 60, 0);
    auto dark = [&](int x, int y) {
        SDL_Color c = PixelAt(strip, 60 * (face - 1) + x, y);
        return c.unused > 128 && std::min(c.r, std::min(c.g, c.b)) < 120;
    };
    int spots = 0;
    for (int y = 6; y < 54; ++y)
        for (int x = 6; x < 54; ++x) {
            if (seen[y * 60 + x] || !dark(x, y)) continue;
            ++spots;
            std::vector<std::pair<int, int>> stack = {{x, y}};
            seen[y * 60 + x] = 1;
            while (!stack.empty()) {
                auto [px, py] = stack.back();
                stack.pop_back();
                const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (const auto* s : steps) {
                    int nx = px + s[0], ny = py + s[1];
                    if (nx < 6 || ny < 6 || nx >= 54 || ny >= 54) continue;
                    if (seen[ny * 60 + nx] || !dark(nx, ny)) continue;
                    seen[ny * 60 + nx] = 1;
                    stack.push_back({nx, ny});
                }
            }
        }
    return spots;
}
}  // namespace

TEST(DataFiles, DieStripShowsOneToSixPipsLeftToRight) {
    SdlSession sdl;
    Picture strip = Load("data/gfx/MyDice.png");
    ASSERT_TRUE(strip);
    for (int face = 1; face <= 6; ++face) EXPECT_EQ(face, CountPips(strip.get(), face));
}

TEST(DataFiles, CheckBoxFramesDifferAndPanelAndLogoFitTheirPlaces) {
    SdlSession sdl;
    Picture box = Load("data/gfx/ok.png");
    ASSERT_TRUE(box);
    EXPECT_GT(std::abs(Brightness(box.get(), 0, 24) - Brightness(box.get(), 24, 24)), 5);
    Picture console = Load("data/gfx/console.png");
    ASSERT_TRUE(console);
    EXPECT_LE(console->w, 480);  // the die stands at x = 500, the panel at x = 20
    EXPECT_LE(console->h, 80);
    EXPECT_GT(Brightness(console.get(), 0, console->w), 600) << "text is drawn over it in blue";
    Picture logo = Load("data/gfx/Tarvello.png");
    ASSERT_TRUE(logo);
    EXPECT_LE(logo->w, 560);
    EXPECT_LT(logo->h, 170);  // stays above the main menu's panel
}

TEST(DataFiles, GameFontsOpenAndAreTwoDifferentFaces) {
    SdlSession sdl;
    TTF_Font* jester = TTF_OpenFont("data/fonts/Jester.ttf", 24);
    TTF_Font* neuropol = TTF_OpenFont("data/fonts/Neuropol.ttf", 18);
    ASSERT_TRUE(jester && neuropol) << TTF_GetError();
    EXPECT_STRNE(TTF_FontFaceFamilyName(jester), TTF_FontFaceFamilyName(neuropol));
    int w = 0, h = 0;
    EXPECT_EQ(0, TTF_SizeText(jester, "Computer ", &w, &h));
    EXPECT_GT(w, 0);
    TTF_CloseFont(neuropol);
    TTF_CloseFont(jester);
}

TEST(DataFiles, MenuFontKeepsTheSetupScreenInsideTheWindow) {
    SdlSession sdl;
    TTF_Font* help = TTF_OpenFont("data/fonts/Jester.ttf", 26);
    TTF_Font* names = TTF_OpenFont("data/fonts/Jester.ttf", 21);
    ASSERT_TRUE(help && names) << TTF_GetError();
    int w = 0;
    // The widest line of the help text, centred on the 600-pixel window.
    EXPECT_EQ(0, TTF_SizeText(help, "enter their names; minimal 3 characters,", &w, nullptr));
    EXPECT_LE(w, 580);
    // The right-hand seats' name boxes start at x = 375: label plus 152-pixel box.
    EXPECT_EQ(0, TTF_SizeText(names, "Name: ", &w, nullptr));
    EXPECT_LE(375 + w + 152, 600);
    TTF_CloseFont(names);
    TTF_CloseFont(help);
}

TEST(DataFiles, SoundsLoadWithTheirLengthsAndStayBelowFullScale) {
    SdlSession sdl(true);
    const struct {
        const char* path;
        double shortest, longest;
    } sounds[] = {{"data/sfx/dice.wav", 1.5, 2.5},
                  {"data/sfx/item_sel.wav", 0.02, 0.3},
                  {"data/sfx/item_ok.wav", 0.2, 1.5}};
    for (const auto& sound : sounds) {
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(sound.path, "rb"), 1);
        ASSERT_TRUE(chunk) << sound.path << ": " << Mix_GetError();
        double seconds = chunk->alen / (44100.0 * 4);  // the mixer holds 16-bit stereo
        EXPECT_GE(seconds, sound.shortest) << sound.path;
        EXPECT_LE(seconds, sound.longest) << sound.path;
        const Sint16* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        int peak = 0;
        for (Uint32 i = 0; i < chunk->alen / 2; ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        EXPECT_GT(peak, 3000) << sound.path << " is nearly silent";
        EXPECT_LT(peak, 32000) << sound.path << " clips";
        Mix_FreeChunk(chunk);
    }
}

TEST(DataFiles, MusicLoadsAndLastsOneToOneAndAHalfMinutes) {
    SdlSession sdl(true);
    Mix_Music* music = Mix_LoadMUS("data/music/BGM.ogg");
    ASSERT_TRUE(music) << Mix_GetError();
    Mix_FreeMusic(music);
    // The last Ogg page's granule position is the number of samples per channel.
    std::ifstream file("data/music/BGM.ogg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    size_t last = bytes.rfind("OggS");
    ASSERT_NE(std::string::npos, last);
    ASSERT_LE(last + 14, bytes.size());
    uint64_t granule = 0;
    for (int i = 7; i >= 0; --i) granule = (granule << 8) | uint8_t(bytes[last + 6 + i]);
    double seconds = granule / 44100.0;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 90.0);
}

TEST(DataFiles, SoundEffectsAre16BitPcmAt44100Hz) {
    for (const char* path :
         {"data/sfx/dice.wav", "data/sfx/item_sel.wav", "data/sfx/item_ok.wav"}) {
        std::string header = FileStart(path, 44);
        ASSERT_EQ(44u, header.size()) << path;
        EXPECT_EQ("RIFF", header.substr(0, 4)) << path;
        EXPECT_EQ("WAVE", header.substr(8, 4)) << path;
        EXPECT_EQ(1u, LittleEndian(header, 20, 2)) << path << " is PCM";
        EXPECT_EQ(44100u, LittleEndian(header, 24, 4)) << path;
        EXPECT_EQ(16u, LittleEndian(header, 34, 2)) << path;
    }
}

TEST(DataFiles, LogoAndButtonsLetTheBackgroundShowAtTheirCorners) {
    SdlSession sdl;
    for (const char* path : {"data/gfx/Tarvello.png", "data/gfx/MainMenu.png", "data/gfx/Start.png",
                             "data/gfx/ThrowDice.png", "data/gfx/MyDice.png"}) {
        Picture picture = Load(path);
        ASSERT_TRUE(picture) << path;
        ASSERT_NE(0u, picture->format->Amask) << path;
        EXPECT_EQ(0, PixelAt(picture.get(), 0, 0).unused) << path;
        EXPECT_EQ(0, PixelAt(picture.get(), picture->w - 1, 0).unused) << path;
    }
}

TEST(DataFiles, ResultsBackdropIsLightAndCalmForBlackText) {
    SdlSession sdl;
    Picture backdrop = Load("data/gfx/Background.png");
    ASSERT_TRUE(backdrop);
    double darkest = 255 * 3;
    for (int y = 0; y < 600; y += 3)
        for (int x = 0; x < 600; x += 3) {
            SDL_Color c = PixelAt(backdrop.get(), x, y);
            darkest = std::min(darkest, double(c.r + c.g + c.b));
        }
    EXPECT_GT(darkest, 3 * 150);
}
