#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <random>
#include <set>
#include <string>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Exception.h"
#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "screens/ScreenSteps.h"
#include "support/RunProgram.h"
#include "support/TempFiles.h"

namespace fs = std::filesystem;

namespace {

enum class Damage { Missing, Empty, RandomBytes };

// A copy of the game's data in a folder of its own, with one file taken away or spoilt.
class DataCopy {
  public:
    explicit DataCopy(const std::string& file, Damage damage = Damage::Missing)
        : root(folder.Path()) {
        // File by file (MinGW's fs::copy of a whole folder fails with "File exists"), lower-case
        // names first: where a file system tells no upper from lower case, "Background.png"
        // already exists once "background.png" is there, and is the same file.
        const fs::path data = fs::path(TARVELLO_BUILD_DIR) / "data";
        std::set<fs::path, std::greater<fs::path>> files;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(data)) {
            if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), data));
        }
        for (const fs::path& name : files) {
            const fs::path target = root / "data" / name;
            fs::create_directories(target.parent_path());
            if (fs::exists(target)) {
                sharedNames.insert((fs::path("data") / name).generic_string());
            } else {
                fs::copy_file(data / name, target);
            }
        }
        if (file.empty()) return;
        fs::remove(root / file);
        if (damage == Damage::Missing) return;
        std::ofstream spoilt(root / file, std::ios::binary);
        std::mt19937 random(static_cast<unsigned>(file.size()));
        for (int i = 0; damage == Damage::RandomBytes && i < 5000; ++i) spoilt.put(char(random()));
    }
    const fs::path& Root() const { return root; }
    // Whether name is one file with another name here, so taking it away takes both.
    bool SharesItsFile(const std::string& name) const { return sharedNames.count(name) > 0; }

  private:
    TempFolder folder;
    fs::path root;
    std::set<std::string> sharedNames;
};

// Runs the real program in folder with the extra environment; after closeAfterMs (when not 0) it
// is asked to close.
ProgramRun RunGame(const fs::path& folder, int closeAfterMs,
                   const ProgramEnvironment& environment = {}) {
    return RunProgram(TARVELLO_BINARY, folder.string(), closeAfterMs, 60000, environment);
}

const char* const kZeroLeaks =
    "SDL_Engine::Resource Leaked:\nSDL_Surface : 0\nTTF_Font    : 0\nMix_Music   : 0\n"
    "Mix_Chunk   : 0\n";

struct SplashCase {
    const char* file;
    Damage damage;
};

const char* const kDamageNames[] = {"Missing", "Empty", "RandomBytes"};

class BrokenSplash : public testing::TestWithParam<SplashCase> {};

TEST_P(BrokenSplash, TheProgramReportsTheLibraryTextAndExitsWithThree) {
    DataCopy data(GetParam().file, GetParam().damage);
    ProgramRun run = RunGame(data.Root(), 0);
    EXPECT_EQ(3, run.status);
    const std::string says = GetParam().damage == Damage::Missing
                                 ? std::string("SDL_Exception::Couldn't open ") + GetParam().file
                                 : "SDL_Exception::";
    EXPECT_NE(std::string::npos, run.output.find(says)) << run.output;
    EXPECT_EQ(std::string::npos, run.output.find("Shutting down")) << run.output;
}

INSTANTIATE_TEST_SUITE_P(Intro, BrokenSplash,
                         testing::Values(SplashCase{"data/SDL.jpg", Damage::Missing},
                                         SplashCase{"data/Velkor.jpg", Damage::Missing},
                                         SplashCase{"data/Velkor.jpg", Damage::Empty},
                                         SplashCase{"data/Velkor.jpg", Damage::RandomBytes}),
                         [](const testing::TestParamInfo<SplashCase>& info) {
                             return std::string(info.param.file[5] == 'S' ? "Sdl" : "Velkor") +
                                    kDamageNames[int(info.param.damage)];
                         });

struct StartFailure {
    const char* name;
    const char* driver;  // the environment variable and its value
    const char* value;
    int status;
    const char* says;
};

class LibraryStart : public testing::TestWithParam<StartFailure> {};

// SDL itself (1), or the mixer (6) cannot start: the library's text, and no shutdown lines since
// nothing was started to shut down.
TEST_P(LibraryStart, FailureEndsTheProgramWithItsOwnStatus) {
    DataCopy data("");
    ProgramRun run = RunGame(data.Root(), 0,
                             {{GetParam().driver, GetParam().value},
                              {"SDL_DISKAUDIOFILE", "/nonexistent/folder/audio.raw"}});
    EXPECT_EQ(GetParam().status, run.status);
    EXPECT_NE(std::string::npos,
              run.output.find(std::string("\nSDL_Exception::") + GetParam().says))
        << run.output;
    EXPECT_EQ(std::string::npos, run.output.find("Shutting down")) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, LibraryStart,
    // Each SDL 1.2 implementation words an unknown video driver its own way, so any text will do.
    testing::Values(StartFailure{"Video", "SDL_VIDEODRIVER", "nosuchdriver", 1, ""},
                    StartFailure{"Audio", "SDL_AUDIODRIVER", "disk", 6,
                                 "Couldn't open /nonexistent/folder/audio.raw\n"}),
    [](const testing::TestParamInfo<StartFailure>& info) { return info.param.name; });

TEST(GameProcess, SigtermClosesTheGameWithStatusZeroAndNoLeaks) {
    DataCopy data("");
    ProgramRun run = RunGame(data.Root(), 1500);
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos, run.output.find("SDL_Engine: Exiting MainLoop()\n"));
    EXPECT_NE(std::string::npos, run.output.find(kZeroLeaks)) << run.output;
}

// Deeper screens, driven in this process from a folder that lacks one file.
struct DeepCase {
    const char* file;
    std::function<void(ScreenDriver&)> reach;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DeepCase& row, std::ostream* out) { *out << row.file; }

const int kFourSeats[4] = {steps::kHuman, steps::kComputer, steps::kHuman, steps::kComputer};

void ToResults(ScreenDriver& driver) {
    steps::ToMainMenu(driver);
    GameRecord.finishers = {{"Gale", 0, 0}, {"Rowan", 1, 0}};
    driver.Engine()->ChangeState(new GameResults());
}

void ToGame(ScreenDriver& driver) { steps::ToGame(driver, kFourSeats); }

const DeepCase kDeepCases[] = {
    {"data/gfx/Tarvello.png", steps::ToMainMenu},
    {"data/music/BGM.ogg", steps::ToMainMenu},
    {"data/fonts/Jester.ttf", steps::ToMainMenu},
    {"data/gfx/background.png", steps::ToMainMenu},
    {"data/sfx/item_sel.wav", steps::ToMainMenu},
    {"data/sfx/item_ok.wav", steps::ToMainMenu},
    {"data/gfx/Start.png", steps::ToSetup},
    {"data/gfx/ok.png", steps::ToSetup},
    {"data/gfx/ThrowDice.png", ToGame},
    {"data/gfx/MyDice.png", ToGame},
    {"data/sfx/dice.wav", ToGame},
    {"data/gfx/console.png", ToGame},
    {"data/fonts/Neuropol.ttf", ToGame},
    {"data/gfx/GreenPiece.png", ToGame},
    {"data/gfx/RedPiece.png", ToGame},
    {"data/gfx/BluePiece.png", ToGame},
    {"data/gfx/YellowPiece.png", ToGame},
    {"data/gfx/Background.png", ToResults},
    {"data/gfx/MainMenu.png", ToResults},
};

class MissingDataFile : public testing::TestWithParam<DeepCase> {};

TEST_P(MissingDataFile, TheScreenThatNeedsItRaisesTheLibraryText) {
    DataCopy data(GetParam().file);
    if (data.SharesItsFile(GetParam().file)) {
        GTEST_SKIP() << GetParam().file << " is the same file as a name differing only in case";
    }
    fs::path home = fs::current_path();
    fs::current_path(data.Root());
    std::string what;
    {
        ScreenDriver driver;
        try {
            GetParam().reach(driver);
        } catch (const std::exception& error) {
            what = error.what();
            EXPECT_EQ("SDL_Exception::" + std::string(SDL_GetError()) + "\n", what);
            EXPECT_EQ(0, ExitCode);  // so the entry point ends the program with status 3
        }
    }
    fs::current_path(home);
    // The screen that failed to start was freed with everything it had loaded.
    EXPECT_EQ(0, SurfaceCount);
    EXPECT_EQ(0, FontCount);
    EXPECT_EQ(0, MusicCount);
    EXPECT_EQ(0, ChunkCount);
    // The mixer names no file when a sound cannot be opened; the other libraries do.
    fs::path file(GetParam().file);
    std::string says =
        file.extension() == ".wav" ? "Mix_LoadWAV_RW with NULL src" : file.filename().string();
    EXPECT_EQ(0u, what.find("SDL_Exception::"));
    EXPECT_NE(std::string::npos, what.find(says)) << what;
}

INSTANTIATE_TEST_SUITE_P(Screens, MissingDataFile, testing::ValuesIn(kDeepCases),
                         [](const testing::TestParamInfo<DeepCase>& info) {
                             std::string name = fs::path(info.param.file).filename().string();
                             for (char& c : name) {
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

}  // namespace
