// Every screen's frames, as a player would see them, against hashes recorded once: drawing may
// get faster but must not change a pixel. Each scenario drives the real engine under the fake
// clock and a fixed seed and hashes the screen after every pass of the main loop; its stages
// are hashed separately so that a failure names the first stage that differs. The scenarios
// pass along the edges of every button, so that where a button reacts is pinned too.

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "SDL_Engine/MersenneTwister.h"
#include "game/Commands.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "screens/GameResults.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cGameSession.h"
#include "screens/cIntroState.h"
#include "support/Pictures.h"
#include "support/Recorded.h"
#include "support/ScreenDriver.h"

namespace {

// The hash of every frame of each stage of a scenario, as "stage=hash:frames ..." in order, and
// each stage's last frame as its player sees it.
class Recorder {
  public:
    explicit Recorder(ScreenDriver& driver) : d(driver) {
        d.afterPass = [this] {
            if (stages.empty()) return;
            AddColours(stages.back().hash, d.Screen());
            ++stages.back().frames;
        };
    }
    ~Recorder() { d.afterPass = nullptr; }
    void Stage(const std::string& name) {
        Finish();
        stages.push_back({name, {}, 0, {}});
    }
    // Takes the last stage's last frame: what the screen shows now.
    void Finish() {
        if (!stages.empty() && stages.back().last.colours.empty())
            stages.back().last = Capture(d.Screen());
    }
    std::string Line() const {
        std::string line;
        for (const Hashed& s : stages) {
            line += (line.empty() ? "" : " ") + s.name + '=' + Hex(s.hash.Value()) + ':' +
                    std::to_string(s.frames);
        }
        return line;
    }
    // Each stage's name and last frame.
    std::vector<std::pair<std::string, Picture>> LastFrames() const {
        std::vector<std::pair<std::string, Picture>> frames;
        for (const Hashed& s : stages) frames.emplace_back(s.name, s.last);
        return frames;
    }

  private:
    struct Hashed {
        std::string name;
        Fnv1a<std::uint64_t> hash;
        int frames = 0;
        Picture last;
    };

    ScreenDriver& d;
    std::vector<Hashed> stages;
};

// Moves the pointer just outside and just inside each edge of the rectangle.
void AlongTheEdges(ScreenDriver& d, const ButtonLayout& b) {
    const int x = b.x, y = b.y, w = b.width, h = b.height;
    const int cx = x + w / 2, cy = y + h / 2;
    const int points[8][2] = {{x - 1, cy}, {x, cy},         {x + w - 1, cy}, {x + w, cy},
                              {cx, y - 1}, {cx, y + h - 1}, {cx, y},         {cx, y + h}};
    for (const auto* p : points) d.Move(p[0], p[1]);
}

void Intro(ScreenDriver& d, Recorder& r) {
    d.StartIntro();
    r.Stage("fade_in");
    d.UserEvent(kSignalEvent, kIntroFinishedCode + 1);  // not the end of the intro
    d.Frames(79);
    r.Stage("hold_and_fade_out");
    d.Frames(180);
    // Uneven passes put the picture's phase changes between the logic steps' ticks.
    r.Stage("second_picture_to_its_end");
    d.Frames(230, 23);
    r.Stage("menu_after_intro");
    d.Frames(20);
    EXPECT_NE(nullptr, d.Top<MainMenu>());
}

void MainMenuTunnel(ScreenDriver& d, Recorder& r) {
    d.ToMainMenu();
    r.Stage("tunnel");
    d.Frames(150);
    r.Stage("keys");
    d.Key(SDLK_DOWN);
    d.Frames(5);
    d.Keys({SDLK_DOWN, SDLK_UP});
    r.Stage("options");
    d.Key(SDLK_RETURN);
    d.Frames(10);
    d.Keys({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});  // "Back"
    d.Frames(10, 7);  // uneven steps: passes without an update in between
    // Left during the setup screen's reveal, the menu is drawn whole all the same.
    r.Stage("back_from_early_leave");
    d.Keys({SDLK_RETURN, SDLK_ESCAPE});
    d.Frames(3);
}

void Setup(ScreenDriver& d, Recorder& r) {
    SharedRandom.init_genrand(5);
    d.ToMainMenu();
    r.Stage("reveal");
    d.Key(SDLK_RETURN);
    d.Frames(30, 11);  // reveal steps come at most every 10 ms
    r.Stage("typing");
    d.Type("lost");  // no box has the keyboard yet
    d.FillSeat(0, "Gale", ScreenDriver::kHuman);
    d.FillSeat(1, "Abcdefghijklmnopqr", ScreenDriver::kEmpty);  // longer than a box takes
    d.Key(SDLK_BACKSPACE);
    d.FillSeat(2, "Br", ScreenDriver::kComputer);  // too short: Start is refused
    d.ClickStart();
    d.FillSeat(2, "yn", ScreenDriver::kComputer);
    d.FillSeat(3, "Yara", ScreenDriver::kHuman);
    d.FillSeat(3, "", ScreenDriver::kComputer);
    d.UserEvent(kSignalEvent, kStartButton.code);  // not a button's event
    d.UserEvent(kButtonEvent, kStartButton.code + 1);
    r.Stage("start_button_to_the_game");
    AlongTheEdges(d, kStartButton);
    d.Press(297, 212);  // pressed
    d.Frames(3);
    d.Release(297, 212);
    d.Frames(30);
    EXPECT_NE(nullptr, d.Top<cGameSession>());
}

void FourComputers(ScreenDriver& d, Recorder& r) {
    SharedRandom.init_genrand(2026);
    const int seats[4] = {ScreenDriver::kComputer, ScreenDriver::kComputer, ScreenDriver::kComputer,
                          ScreenDriver::kComputer};
    d.ToGame(seats);
    ASSERT_NE(nullptr, d.Top<cGameSession>());
    r.Stage("reveal");
    d.Frames(30);
    r.Stage("opening");
    d.Frames(500);
    // Passes of 100 ms keep the computers' pace while running faster; the walks, the notices
    // and some captures happen within these minutes.
    r.Stage("middle");
    d.Frames(1200, 100);
}

void HumanGame(ScreenDriver& d, Recorder& r) {
    SharedRandom.init_genrand(7);
    const int seats[4] = {ScreenDriver::kHuman, ScreenDriver::kComputer, ScreenDriver::kEmpty,
                          ScreenDriver::kEmpty};
    d.ToGame(seats);
    cGameSession* game = d.Top<cGameSession>();
    ASSERT_NE(nullptr, game);
    // Paused during the opening reveal, the menu is drawn whole; resumed, the reveal goes on.
    r.Stage("reveal_paused_and_resumed");
    d.Frames(3);
    d.Key(SDLK_ESCAPE);
    d.Frames(3);
    d.Keys({SDLK_DOWN, SDLK_RETURN});  // "Resume Game"
    d.Frames(27);
    r.Stage("throw_button");
    AlongTheEdges(d, kThrowButton);
    r.Stage("throws");
    for (int turn = 0; turn < 5; ++turn) {
        d.ClickOn(kThrowButton);
        d.Frames(50);
        const LudoPiece* piece = game->GetPlayers()[0]->GetPiece(0);
        d.Click(game->GetBoard().GetX() + piece->GetX() + 15,
                game->GetBoard().GetY() + piece->GetY() + 15);
        d.Frames(100);
    }
    r.Stage("drag_board");
    d.Press(250, 250);
    for (int i = 1; i <= 10; ++i) d.Move(250 + 6 * i, 250 + 4 * i);
    d.Release(310, 290);
    d.Frames(20);
    r.Stage("other_input_ignored");
    d.Keys({SDLK_RETURN, SDLK_SPACE, SDLK_UP, SDLK_DOWN, SDLK_a});
    d.UserEvent(kSignalEvent, kThrowButton.code);
    d.UserEvent(kButtonEvent, kGameOverCode);
    // The game stands still behind its menu, however long it stays open.
    r.Stage("in_game_menu");
    d.Keys({SDLK_ESCAPE, SDLK_ESCAPE});
    d.Frames(100);
    d.Keys({SDLK_DOWN, SDLK_DOWN, SDLK_UP});
    d.Frames(5);
    r.Stage("resumed");
    d.Key(SDLK_RETURN);  // "Resume Game"
    d.Frames(40);
}

void Results(ScreenDriver& d, Recorder& r) {
    SharedRandom.init_genrand(11);
    const int seats[4] = {ScreenDriver::kHuman, ScreenDriver::kComputer, ScreenDriver::kEmpty,
                          ScreenDriver::kEmpty};
    d.ToGame(seats);
    d.Frames(100);
    GameRecord.finishers = {{"Rowan", 1, 0}, {"Yara", 3, 0}, {"Gale", 0, 0}, {"Bryn", 2, 0}};
    d.UserEvent(kSignalEvent, kGameOverCode);
    ASSERT_NE(nullptr, d.Top<GameResults>());
    r.Stage("reveal");
    d.Frames(30);
    r.Stage("button");
    AlongTheEdges(d, kMainMenuButton);
    r.Stage("other_input_ignored");
    d.Keys({SDLK_SPACE, SDLK_UP});
    d.UserEvent(kSignalEvent, kGameOverCode);
    d.UserEvent(kSignalEvent, kMainMenuButton.code);
    d.UserEvent(kButtonEvent, kMainMenuButton.code + 1);
    // Records of colours outside the four seats get black bars.
    r.Stage("unknown_colours");
    GameRecord.finishers = {{"Odd", 4, 0}, {"Low", -1, 0}, {"Far", 100, 0}};
    GameRecord.playTime = 3723456;
    d.Engine()->ChangeState(new GameResults());
    d.Frames(26);
}

struct HashCase {
    const char* name;
    void (*play)(ScreenDriver&, Recorder&);
};

void PrintTo(const HashCase& c, std::ostream* out) { *out << c.name; }

const HashCase kCases[] = {
    {"Intro", Intro},         {"MainMenu", MainMenuTunnel},
    {"Setup", Setup},         {"FourComputers", FourComputers},
    {"HumanGame", HumanGame}, {"Results", Results},
};

class FrameHash : public testing::TestWithParam<HashCase> {};

TEST_P(FrameHash, ScreenFramesMatchTheRecordedPixels) {
    testing::internal::CaptureStdout();
    std::string line;
    std::vector<std::pair<std::string, Picture>> frames;
    {
        ScreenDriver driver;
        Recorder recorder(driver);
        GetParam().play(driver, recorder);
        recorder.Finish();
        line = recorder.Line();
        frames = recorder.LastFrames();
    }
    const std::string output = testing::internal::GetCapturedStdout();
    if (HasFailure()) std::cout << output;  // what the scenario printed, with its failures
    const std::string name = std::string("Screens.") + GetParam().name;
    // On every SDL, each stage's last frame against its golden picture, within the tolerance.
    for (const auto& frame : frames) ExpectPicture(name + '.' + frame.first, frame.second);
    // Where this SDL has an exact record, every frame of every stage to the bit; the first stage
    // that differs tells where to look.
    ExpectRecordedPixels(name, line);
}

INSTANTIATE_TEST_SUITE_P(Screens, FrameHash, testing::ValuesIn(kCases),
                         testing::PrintToStringParamName());

}  // namespace
