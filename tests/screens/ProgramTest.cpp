// The program as a process, and the screens in this process, with their data damaged or their
// libraries unable to start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <set>
#include <string>

#include "SDL_Engine/ResourceCounters.h"
#include "game/DataFiles.h"
#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "support/LiveResources.h"
#include "support/RunProgram.h"
#include "support/ScreenDriver.h"
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

struct ProcessCase {
    const char* name = nullptr;
    const char* file = nullptr;  // damaged in the program's data, or ""
    Damage damage = Damage::Missing;
    int status = 0;
    const char* says = nullptr;  // a line of its output, from its start
    ProgramEnvironment environment;
    int closeAfterMs = 0;  // asked to close as the desktop asks, or 0
};

void PrintTo(const ProcessCase& c, std::ostream* out) { *out << c.name; }

const char* const kRaised = "\nSDL_Exception::";
const ProgramEnvironment kAudioToNowhere = {{"SDL_AUDIODRIVER", "disk"},
                                            {"SDL_DISKAUDIOFILE", "/nonexistent/folder/audio.raw"}};

// Each SDL 1.2 implementation words an unknown video driver its own way, so any text will do.
const ProcessCase kProcessCases[] = {
    {"Closed", "", Damage::Missing, 0, "\nSDL_Engine: Exiting MainLoop()\n", {}, 3000},
    {"SdlSplashMissing", DataFiles::kLibraryCard, Damage::Missing, 3, kRaised, {}, 0},
    {"VelkorSplashMissing", DataFiles::kStudioCard, Damage::Missing, 3, kRaised, {}, 0},
    {"SplashEmpty", DataFiles::kStudioCard, Damage::Empty, 3, kRaised, {}, 0},
    {"SplashRandomBytes", DataFiles::kStudioCard, Damage::RandomBytes, 3, kRaised, {}, 0},
    {"UnknownVideoDriver", "", Damage::Missing, 1, kRaised, {{"SDL_VIDEODRIVER", "nosuch"}}, 0},
    // SDL 2 underneath sdl12-compat adds the system's reason after the file's name.
    {"AudioCannotOpen", "", Damage::Missing, 6,
     "\nSDL_Exception::Couldn't open /nonexistent/folder/audio.raw", kAudioToNowhere, 0},
};

class Process : public testing::TestWithParam<ProcessCase> {};

// A fatal error prints the library's text (naming a missing file) and ends the program at once
// with its status: no shutdown lines, since nothing is shut down. A close asked for ends it with
// 0 and no leaks.
TEST_P(Process, EndsWithItsStatusAndSaysWhy) {
    const ProcessCase& c = GetParam();
    DataCopy data(c.file, c.damage);
    ProgramRun run =
        RunProgram(TARVELLO_BINARY, data.Root().string(), c.closeAfterMs, 60000, c.environment);
    EXPECT_EQ(c.status, run.status);
    EXPECT_NE(std::string::npos, run.output.find(c.says)) << run.output;
    if (*c.file && c.damage == Damage::Missing) {
        EXPECT_NE(std::string::npos,
                  run.output.find(kRaised + std::string("Couldn't open ") + c.file));
    }
    const char* const kZeroLeaks =
        "\nSDL_Engine::Resource Leaked:\nSDL_Surface : 0\nTTF_Font    : 0\nMix_Music   : 0\n"
        "Mix_Chunk   : 0\n";
    EXPECT_EQ(c.status == 0, run.output.find(kZeroLeaks) != std::string::npos) << run.output;
    EXPECT_EQ(c.status == 0, run.output.find("Shutting down") != std::string::npos);
    // Closed after 3 s, the run time it prints is about that, on every SDL.
    if (c.closeAfterMs > 0) {
        const std::size_t runTime = run.output.find("\nSDL_Engine: Run time: ");
        ASSERT_NE(std::string::npos, runTime) << run.output;
        const double seconds = std::atof(run.output.c_str() + runTime + 23);
        EXPECT_TRUE(seconds >= 1 && seconds <= 30) << run.output.substr(runTime + 1, 40);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, Process, testing::ValuesIn(kProcessCases),
                         testing::PrintToStringParamName());

// Each data file, missing, stops the first screen that needs it on the way to the results.

class MissingDataFile : public testing::TestWithParam<const char*> {};

// The screen that needs the file raises the library's text with the exit code still 0 (so the
// entry point ends the program with status 3), and is freed with everything it had loaded.
TEST_P(MissingDataFile, TheScreenThatNeedsItRaisesTheLibraryText) {
    DataCopy data(GetParam());
    if (data.SharesItsFile(GetParam())) {
        GTEST_SKIP() << GetParam() << " is the same file as a name differing only in case";
    }
    const fs::path home = fs::current_path();
    fs::current_path(data.Root());
    std::string what;
    {
        ScreenDriver driver;
        try {
            const int seats[4] = {ScreenDriver::kHuman, ScreenDriver::kComputer,
                                  ScreenDriver::kHuman, ScreenDriver::kComputer};
            driver.ToGame(seats);
            GameRecord.finishers = {{"Gale", 0, 0}, {"Rowan", 1, 0}};
            driver.Engine()->ChangeState(new GameResults);
        } catch (const std::exception& error) {
            what = error.what();
            EXPECT_EQ("SDL_Exception::" + std::string(SDL_GetError()) + "\n", what);
            EXPECT_EQ(0, ExitCode);
        }
    }
    fs::current_path(home);
    EXPECT_EQ(NoneLive, LiveResources());
    // The mixer names no file when a sound cannot be opened; the other libraries do.
    const fs::path file(GetParam());
    EXPECT_NE(std::string::npos,
              what.find(file.extension() == ".wav" ? "Mix_LoadWAV_RW with NULL src"
                                                   : file.filename().string()))
        << what;
}

INSTANTIATE_TEST_SUITE_P(Screens, MissingDataFile, testing::ValuesIn(DataFiles::kAll),
                         [](const testing::TestParamInfo<const char*>& tested) {
                             const fs::path file(tested.param);
                             return file.stem().string() + "_" +
                                    file.extension().string().substr(1);
                         });

}  // namespace
