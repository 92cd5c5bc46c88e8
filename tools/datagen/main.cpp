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
#include "game/Commands.h"
#include "game/DataFiles.h"

namespace {
// Where a file the game reads from data/ goes under the output folder.
std::string Output(const std::string& out, const char* file) {
    const std::string name = file;
    return out + name.substr(name.find('/'));
}

void WritePictures(const std::string& out, const PictureFonts& fonts) {
    using namespace Pictures;
    ImageFiles::WritePng(TunnelTexture(), Output(out, DataFiles::kTunnelTexture));
    ImageFiles::WritePng(ResultsBackdrop(), Output(out, DataFiles::kResultsBackdrop));
    ImageFiles::WritePng(
        TextButton(fonts, "Main Menu", kMainMenuButton.width, kMainMenuButton.height),
        Output(out, kMainMenuButton.picture));
    ImageFiles::WritePng(TextButton(fonts, "Start", kStartButton.width, kStartButton.height),
                         Output(out, kStartButton.picture));
    ImageFiles::WritePng(ThrowButton(), Output(out, DataFiles::kThrowButton));
    ImageFiles::WritePng(CheckBox(), Output(out, DataFiles::kCheckBox));
    ImageFiles::WritePng(DiceStrip(), Output(out, DataFiles::kDice));
    ImageFiles::WritePng(ConsolePanel(), Output(out, DataFiles::kConsole));
    for (int i = 0; i < 4; ++i) ImageFiles::WritePng(Piece(i), Output(out, DataFiles::kPieces[i]));
    ImageFiles::WritePng(Logo(fonts), Output(out, DataFiles::kLogo));
    ImageFiles::WriteJpeg(StudioCard(fonts), Output(out, DataFiles::kStudioCard), 92);
    ImageFiles::WriteJpeg(LibraryCard(fonts), Output(out, DataFiles::kLibraryCard), 92);
}

void WriteSounds(const std::string& out) {
    SoundFiles::WriteOgg(Sounds::MenuMusic(), Output(out, DataFiles::kMenuMusic), 0.4f);
    SoundFiles::WriteWav(Sounds::DiceRoll(), Output(out, DataFiles::kDiceSound));
    SoundFiles::WriteWav(Sounds::SelectTick(), Output(out, DataFiles::kSelectSound));
    SoundFiles::WriteWav(Sounds::ConfirmChime(), Output(out, DataFiles::kConfirmSound));
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
