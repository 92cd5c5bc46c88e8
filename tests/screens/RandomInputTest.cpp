#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <typeinfo>

#include "SDL_Engine/ResourceCounters.h"
#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cGameSession.h"
#include "screens/cIntroState.h"
#include "support/LiveResources.h"
#include "support/ScreenDriver.h"

namespace {

struct Screen {
    const char* name;
    SDL_GameState* (*open)();  // a new screen, as the screen before it would make it
    const std::type_info& top;
};

void PrintTo(const Screen& s, std::ostream* out) { *out << s.name; }

SDL_GameState* Game() {
    return new cGameSession({{"Gale", 0, 1}, {"Rowan", 1, 0}, {"Yara", 3, 1}});
}
SDL_GameState* Results() {
    GameRecord.finishers = {{"Rowan", 1, 0}, {"Gale", 0, 1}};
    return new GameResults();
}

template <class State>
SDL_GameState* Make() {
    return new State();
}

const Screen kScreens[] = {
    {"Intro", Make<cIntroState>, typeid(cIntroState)},
    {"Menu", Make<MainMenu>, typeid(MainMenu)},
    {"Setup", Make<PlayerSetup>, typeid(PlayerSetup)},
    {"Game", Game, typeid(cGameSession)},
    {"Paused", Game, typeid(InGameMenu)},
    {"Results", Results, typeid(GameResults)},
};

// Any key with any modifiers, a move, press or release anywhere (the window and around it, as
// SDL reports grabbed pointers), or now and then one of the game's own user events (rarely, as
// most of them leave the screen).
SDL_Event RandomEvent(std::mt19937& random) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    SDL_Event event = {};
    const int kind = pick(50);
    if (kind < 20) {
        event.type = kind < 15 ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = static_cast<SDLKey>(pick(SDLK_LAST));
        event.key.keysym.mod = static_cast<SDLMod>(random() & 0xFFFF);
        event.key.keysym.unicode = static_cast<Uint16>(pick(3) == 0 ? random() : pick(128));
    } else if (kind < 35) {
        event.type = SDL_MOUSEMOTION;
        event.motion.x = static_cast<Uint16>(pick(800) - 100);
        event.motion.y = static_cast<Uint16>(pick(800) - 100);
        event.motion.xrel = static_cast<Sint16>(pick(400) - 200);
        event.motion.yrel = static_cast<Sint16>(pick(400) - 200);
    } else if (kind < 49) {
        event.type = kind < 42 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = static_cast<Uint8>(1 + pick(5));
        event.button.x = static_cast<Uint16>(pick(800) - 100);
        event.button.y = static_cast<Uint16>(pick(800) - 100);
    } else {
        static const int kCodes[] = {0, 1, 2, 3, 301, 670, -1, 99999};
        event.type = static_cast<Uint8>(SDL_USEREVENT + pick(2));
        event.user.code = kCodes[pick(8)];
    }
    return event;
}

class RandomInput : public testing::TestWithParam<Screen> {};

// Whatever the input, no screen crashes, and every picture, font, sound and piece of music a
// screen loads is freed again: whenever the input ends the program, the engine is shut down and
// the counters must read 0. Input that leaves the screen finds it opened afresh.
TEST_P(RandomInput, TenThousandEventsNeverCrashAndLeaveNothingAlive) {
    std::mt19937 random(1234 + static_cast<unsigned>(GetParam().name[0]));
    testing::internal::CaptureStdout();
    std::unique_ptr<ScreenDriver> driver;
    int leakedAt = -1;
    for (int i = 0; i < 10000; ++i) {
        if (driver && !driver->Engine()->IsRunning()) {
            driver.reset();
            if (LiveResources() != NoneLive && leakedAt < 0) leakedAt = i;
        }
        if (!driver) {
            driver = std::make_unique<ScreenDriver>();
            MusicEnabled = false;  // leaving playing music waits for its fade in real time
        }
        const SDL_GameState* top = driver->Engine()->TopState();
        if (!top || typeid(*top) != GetParam().top) {
            driver->Engine()->ChangeState(GetParam().open());
            if (GetParam().top == typeid(InGameMenu)) driver->Engine()->PushState(new InGameMenu);
        }
        SDL_Event event = RandomEvent(random);
        SDL_PushEvent(&event);
        // An update (and a draw) after about every tenth event.
        driver->Frames(1, static_cast<Uint32>(random() % 5));
    }
    driver.reset();
    const std::string output = testing::internal::GetCapturedStdout();
    if (HasFailure()) std::cout << output;
    EXPECT_EQ(-1, leakedAt) << "resources left alive after the program ended at that event";
    EXPECT_EQ(NoneLive, LiveResources());
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, RandomInput, testing::ValuesIn(kScreens),
                         testing::PrintToStringParamName());

}  // namespace
