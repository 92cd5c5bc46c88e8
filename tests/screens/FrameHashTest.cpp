// Every screen's frames, as a player would see them, against hashes recorded once: drawing may
// get faster but must not change a pixel. Each scenario drives the real engine under the fake
// clock and a fixed seed and hashes the screen after every pass of the main loop; its stages
// are hashed separately so that a failure names the first stage that differs.
//
// The recorded hashes live in tests/screens/frame_hashes.txt. After a deliberate change of what
// the game shows (new data pictures, say), record them again from the build folder with
//
//     TARVELLO_RECORD_FRAMES=../tests/screens/frame_hashes.txt ./tests/tarvello_tests
//     --gtest_filter='*FrameHash*'
//
// which rewrites the scenarios' lines of that file instead of comparing, then check the diff.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/SDL_CheckBox.h"
#include "SDL_Engine/SDL_CheckBoxList.h"
#include "SDL_Engine/SDL_TextBox.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/ScreenSteps.h"
#include "screens/cGameSession.h"

namespace {

const char* const kTable = TARVELLO_SOURCE_DIR "/tests/screens/frame_hashes.txt";

// FNV-1a over the visible colour of every pixel, row by row; pitch padding and the unused byte
// of a 32-bit pixel are not part of the picture.
class FrameHasher {
  public:
    void Add(SDL_Surface* screen) {
        if (SDL_MUSTLOCK(screen)) SDL_LockSurface(screen);
        const SDL_PixelFormat* f = screen->format;
        for (int y = 0; y < screen->h; ++y) {
            const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
            for (int x = 0; x < screen->w; ++x) {
                Uint32 pixel = 0;
                std::memcpy(&pixel, row + x * f->BytesPerPixel, f->BytesPerPixel);
                const Uint32 rgb = ((pixel & f->Rmask) >> f->Rshift) << 16 |
                                   ((pixel & f->Gmask) >> f->Gshift) << 8 |
                                   ((pixel & f->Bmask) >> f->Bshift);
                hash = (hash ^ rgb) * 0x100000001b3ull;
            }
        }
        if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
        ++frames;
    }
    std::string Result() const {
        std::ostringstream out;
        out << std::hex << hash << ':' << std::dec << frames;
        return out.str();
    }

  private:
    Uint64 hash = 0xcbf29ce484222325ull;
    int frames = 0;
};

// Drives the engine and hashes the screen after every pass, stage by stage.
class Recorder {
  public:
    explicit Recorder(ScreenDriver& driver) : d(driver) {}

    void Stage(const std::string& name) {
        stages.push_back(name);
        hashers.emplace_back();
    }
    void Frames(int count, Uint32 step = 20) {
        for (int i = 0; i < count; ++i) {
            d.Frames(1, step);
            Shot();
        }
    }
    void Key(SDLKey key) {
        d.Key(key);
        Shot();
    }
    void Move(int x, int y) {
        d.Move(x, y);
        Shot();
    }
    void Press(int x, int y) {
        d.Press(x, y);
        Shot();
    }
    void Release(int x, int y) {
        d.Release(x, y);
        Shot();
    }
    void Click(int x, int y) {
        Move(x, y);
        Press(x, y);
        Release(x, y);
        Frames(1);
    }
    void Shot() { hashers.back().Add(d.Screen()); }

    // "stage=hash:frames ..." in order.
    std::string Line() const {
        std::string line;
        for (std::size_t i = 0; i < stages.size(); ++i) {
            line += (i ? " " : "") + stages[i] + "=" + hashers[i].Result();
        }
        return line;
    }

  private:
    ScreenDriver& d;
    std::vector<std::string> stages;
    std::vector<FrameHasher> hashers;
};

using Scenario = std::function<void(ScreenDriver&, Recorder&)>;

struct HashCase {
    const char* name;
    Scenario play;
};

void PrintTo(const HashCase& c, std::ostream* out) { *out << c.name; }

const int kHumanAndComputer[4] = {steps::kHuman, steps::kComputer, -1, -1};
const int kFourComputers[4] = {steps::kComputer, steps::kComputer, steps::kComputer,
                               steps::kComputer};

void Intro(ScreenDriver& d, Recorder& r) {
    steps::StartIntro(d);
    r.Stage("fade_in");
    r.Frames(80);
    r.Stage("hold_and_fade_out");
    r.Frames(180);
    r.Stage("second_picture");
    r.Frames(100);
    r.Key(SDLK_RETURN);  // the last picture skipped: on to the main menu
    r.Stage("menu_after_intro");
    r.Frames(20);
}

void MainMenuTunnel(ScreenDriver& d, Recorder& r) {
    steps::ToMainMenu(d);
    r.Stage("tunnel");
    r.Frames(150);
    r.Stage("keys");
    r.Key(SDLK_DOWN);
    r.Frames(5);
    r.Key(SDLK_DOWN);
    r.Key(SDLK_UP);
    r.Stage("options");
    r.Key(SDLK_RETURN);
    r.Frames(10);
    for (int i = 0; i < 3; ++i) r.Key(SDLK_DOWN);
    r.Key(SDLK_RETURN);  // "Back"
    r.Frames(10, 7);     // uneven steps: passes without an update in between
}

void FillSeat(ScreenDriver& d, Recorder& r, int seat, const std::string& name, int control) {
    PlayerSetup* setup = d.Top<PlayerSetup>();
    SDL_TextBox* box = setup->GetNameBox(seat);
    r.Click(box->GetX() + box->GetLabelWidth() + 10, box->GetY() + 5);
    for (char c : name) {
        d.Type(std::string(1, c));
        r.Shot();
    }
    SDL_CheckBox* tick = setup->GetControlList(seat)->GetBox(control == steps::kHuman ? 0 : 1);
    r.Click(tick->GetX() + 5, tick->GetY() + 5);
}

void Setup(ScreenDriver& d, Recorder& r) {
    steps::ToMainMenu(d);
    r.Stage("reveal");
    r.Key(SDLK_RETURN);
    r.Frames(30);
    r.Stage("typing");
    FillSeat(d, r, 0, "Gale", steps::kHuman);
    FillSeat(d, r, 2, "Br", steps::kComputer);  // too short: Start is refused
    r.Stage("start_button");
    r.Move(297, 212);  // hovered
    r.Frames(3);
    r.Press(297, 212);  // pressed
    r.Frames(3);
    r.Release(297, 212);
    r.Frames(5);
}

int Captures(cGameSession* game, std::vector<bool>& out) {
    int captures = 0;
    std::size_t i = 0;
    for (LudoPlayer* player : game->GetPlayers()) {
        for (int k = 0; k < 4; ++k, ++i) {
            const bool nowOut = !player->IsInYard(k) && !player->IsPieceFinished(k);
            if (i < out.size() && out[i] && player->IsInYard(k)) ++captures;
            if (i >= out.size()) out.push_back(nowOut);
            out[i] = nowOut;
        }
    }
    return captures;
}

void FourComputers(ScreenDriver& d, Recorder& r) {
    SharedRandom.init_genrand(2026);
    steps::ToGame(d, kFourComputers);
    ASSERT_NE(nullptr, d.Top<cGameSession>());
    r.Stage("reveal");
    r.Frames(30);
    r.Stage("opening");
    r.Frames(500);
    // Passes of 100 ms keep the computers' pace while running faster; the walks, the notices
    // and some captures happen within these minutes.
    r.Stage("middle");
    std::vector<bool> out;
    int captures = 0;
    for (int i = 0; i < 1200 && d.Top<cGameSession>(); ++i) {
        r.Frames(1, 100);
        captures += Captures(d.Top<cGameSession>(), out);
    }
    EXPECT_GT(captures, 0) << "the scenario should show a capture";
}

void HumanGame(ScreenDriver& d, Recorder& r) {
    SharedRandom.init_genrand(7);
    steps::ToGame(d, kHumanAndComputer);
    cGameSession* game = d.Top<cGameSession>();
    ASSERT_NE(nullptr, game);
    r.Stage("reveal");
    r.Frames(30);
    r.Stage("throws");
    for (int turn = 0; turn < 5; ++turn) {
        r.Click(565 + 15, 520 + 30);  // the throw button
        r.Frames(50);
        const LudoPiece* piece = game->GetPlayers()[0]->GetPiece(0);
        r.Click(game->GetBoard().GetX() + piece->GetX() + 15,
                game->GetBoard().GetY() + piece->GetY() + 15);
        r.Frames(100);
    }
    r.Stage("drag_board");
    r.Press(250, 250);
    for (int i = 1; i <= 10; ++i) r.Move(250 + 6 * i, 250 + 4 * i);
    r.Release(310, 290);
    r.Frames(20);
    r.Stage("in_game_menu");
    r.Key(SDLK_ESCAPE);
    r.Frames(10);
    r.Key(SDLK_DOWN);
    r.Key(SDLK_DOWN);
    r.Key(SDLK_UP);
    r.Frames(5);
    r.Stage("resumed");
    r.Key(SDLK_RETURN);  // "Resume Game"
    r.Frames(40);
}

void Results(ScreenDriver& d, Recorder& r) {
    SharedRandom.init_genrand(11);
    steps::ToGame(d, kHumanAndComputer);
    d.Frames(100);
    GameRecord.finishers = {{"Rowan", 1, 0}, {"Yara", 3, 0}, {"Gale", 0, 0}, {"Bryn", 2, 0}};
    SDL_Event event = {};
    event.type = SDL_USEREVENT;
    event.user.code = cGameSession::kGameOverCode;
    d.Post(event);
    ASSERT_NE(nullptr, d.Top<GameResults>());
    r.Stage("reveal");
    r.Frames(30);
    r.Stage("button");
    r.Move(300, 560);
    r.Frames(3);
    r.Move(5, 5);
    r.Frames(3);
}

const HashCase kCases[] = {
    {"Intro", Intro},         {"MainMenu", MainMenuTunnel},
    {"Setup", Setup},         {"FourComputers", FourComputers},
    {"HumanGame", HumanGame}, {"Results", Results},
};

std::map<std::string, std::string> ReadTable() {
    std::map<std::string, std::string> table;
    std::ifstream in(kTable);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t space = line.find(' ');
        if (space != std::string::npos) table[line.substr(0, space)] = line.substr(space + 1);
    }
    return table;
}

void WriteTable(const char* path, const std::string& name, const std::string& stages) {
    std::map<std::string, std::string> table;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const std::size_t space = line.find(' ');
        if (!line.empty() && line[0] != '#' && space != std::string::npos)
            table[line.substr(0, space)] = line.substr(space + 1);
    }
    in.close();
    table[name] = stages;
    std::ofstream out(path);
    out << "# scenario stage=fnv1a64:frames ...; how to record: tests/screens/FrameHashTest.cpp\n";
    for (const auto& row : table) out << row.first << ' ' << row.second << '\n';
}

// The first stage whose hash differs, for a message that says where to look.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    for (std::string x, y; e >> x;) {
        if (!(a >> y) || x != y) return x.substr(0, x.find('='));
    }
    return "(more stages than recorded)";
}

class FrameHash : public testing::TestWithParam<HashCase> {};

TEST_P(FrameHash, ScreenFramesMatchTheRecordedPixels) {
    testing::internal::CaptureStdout();
    std::string line;
    {
        ScreenDriver driver;
        Recorder recorder(driver);
        GetParam().play(driver, recorder);
        line = recorder.Line();
    }
    testing::internal::GetCapturedStdout();
    if (const char* path = std::getenv("TARVELLO_RECORD_FRAMES")) {
        WriteTable(path, GetParam().name, line);
        return;
    }
    const std::map<std::string, std::string> table = ReadTable();
    const auto row = table.find(GetParam().name);
    ASSERT_NE(table.end(), row) << "no recorded frames in " << kTable;
    EXPECT_EQ(row->second, line) << "first stage that differs: "
                                 << FirstDifference(row->second, line);
}

INSTANTIATE_TEST_SUITE_P(Screens, FrameHash, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HashCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
