// Writes every picture, music and sound file of the game into the folder given on the command
// line. The output depends only on this program and the font files, never on time or chance.
// With --icons it writes only the desktop icons, into a hicolor theme under the folder given.
#include <SDL_ttf.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "Icons.h"
#include "ImageFiles.h"
#include "Pictures.h"
#include "SoundFiles.h"
#include "Sounds.h"

namespace {
void WritePictures(const std::string& out, const PictureFonts& fonts) {
    using namespace Pictures;
    const std::string gfx = out + "/gfx/";
    ImageFiles::WritePng(TunnelTexture(), gfx + "background.png");
    ImageFiles::WritePng(ResultsBackdrop(), gfx + "Background.png");
    ImageFiles::WritePng(TextButton(fonts, "Main Menu", 150, 50), gfx + "MainMenu.png");
    ImageFiles::WritePng(TextButton(fonts, "Start", 125, 50), gfx + "Start.png");
    ImageFiles::WritePng(ThrowButton(), gfx + "ThrowDice.png");
    ImageFiles::WritePng(CheckBox(), gfx + "ok.png");
    ImageFiles::WritePng(DiceStrip(), gfx + "MyDice.png");
    ImageFiles::WritePng(ConsolePanel(), gfx + "console.png");
    const char* pieces[4] = {"GreenPiece.png", "RedPiece.png", "BluePiece.png", "YellowPiece.png"};
    for (int i = 0; i < 4; ++i) ImageFiles::WritePng(Piece(i), gfx + pieces[i]);
    ImageFiles::WritePng(Logo(fonts), gfx + "Tarvello.png");
    ImageFiles::WriteJpeg(StudioCard(fonts), out + "/Velkor.jpg", 92);
    ImageFiles::WriteJpeg(LibraryCard(fonts), out + "/SDL.jpg", 92);
}

void WriteSounds(const std::string& out) {
    SoundFiles::WriteOgg(Sounds::MenuMusic(), out + "/music/BGM.ogg", 0.4f);
    SoundFiles::WriteWav(Sounds::DiceRoll(), out + "/sfx/dice.wav");
    SoundFiles::WriteWav(Sounds::SelectTick(), out + "/sfx/item_sel.wav");
    SoundFiles::WriteWav(Sounds::ConfirmChime(), out + "/sfx/item_ok.wav");
}

int WriteIcons(const std::string& out) {
    try {
        Icons::WriteIconTheme(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvello_datagen: %s\n", error.what());
        return 1;
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--icons") return WriteIcons(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n       %s --icons ICON_FOLDER\n", argv[0],
                     argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    const PictureFonts fonts = {TARVELLO_PICTURE_FONT_BOLD, TARVELLO_PICTURE_FONT_REGULAR,
                                TARVELLO_PICTURE_FONT_ITALIC};
    if (TTF_Init() != 0) {
        std::fprintf(stderr, "font library failed: %s\n", TTF_GetError());
        return 1;
    }
    int status = 0;
    try {
        for (const char* folder : {"gfx", "music", "sfx"})
            std::filesystem::create_directories(out + "/" + folder);
        WritePictures(out, fonts);
        WriteSounds(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvello_datagen: %s\n", error.what());
        status = 1;
    }
    TTF_Quit();
    return status;
}
