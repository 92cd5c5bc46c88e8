// Memory may run out at any allocation while the screens are made and opened (the game's with its
// board, console, die and both kinds of player): whatever was made before is given back, no
// picture, font, sound or music stays alive, and the failure reaches the caller.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>

#include "game/GameRecord.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/PlayerSetup.h"
#include "screens/cGameSession.h"
#include "screens/cIntroState.h"
#include "support/FailingAllocations.h"
#include "support/LiveResources.h"
#include "support/SdlSession.h"

namespace {

struct Part {
    const char* name = nullptr;
    std::function<void()> make;  // makes the part (a screen: and opens it), then lets it go
};

void PrintTo(const Part& part, std::ostream* out) { *out << part.name; }

// As the engine opens and closes a screen.
template <class Screen>
void Open(Screen* made) {
    std::unique_ptr<SDL_GameState> screen(made);
    screen->Init();
    screen->Cleanup();
}

// A menu screen also frees in Cleanup all that its Init loaded.
template <class Menu>
void OpenMenu() {
    std::unique_ptr<SDL_GameState> menu(new Menu());
    const Counts before = LiveResources();
    menu->Init();
    menu->Cleanup();
    EXPECT_EQ(before, LiveResources()) << "what Init loaded outlives Cleanup";
}

void OpenGame() { Open(new cGameSession({{"Gale", 0, 1}, {"Rowan", 1, 0}, {"Yara", 3, 1}})); }

const Part kParts[] = {
    {"Intro", [] { Open(new cIntroState()); }},
    {"MainMenu", OpenMenu<MainMenu>},
    {"Setup", [] { Open(new PlayerSetup()); }},
    {"Game", OpenGame},
    {"Paused", OpenMenu<InGameMenu>},
    {"Results",
     [] {
         GameRecord.finishers = {{"Rowan", 1, 0}, {"Gale", 0, 1}};
         Open(new GameResults());
     }},
};

class OutOfMemory : public testing::TestWithParam<Part> {
  protected:
    void TearDown() override { FailAllocationAfter(-1); }

    SdlSession sdl{true};
};

TEST_P(OutOfMemory, AtAnyAllocationLeavesNothingBehind) {
    GetParam().make();  // once whole, so that what lasts for the run is there before counting
    for (long allocations = 0;; ++allocations) {
        const long before = LiveAllocations();
        FailAllocationAfter(allocations);
        bool whole = false;
        try {
            GetParam().make();
            whole = !AllocationFailed();
            EXPECT_TRUE(whole) << "the failure at allocation " << allocations << " was swallowed";
        } catch (const std::bad_alloc&) {
        }
        FailAllocationAfter(-1);
        ASSERT_EQ(before, LiveAllocations()) << "failing at allocation " << allocations;
        ASSERT_EQ(NoneLive, LiveResources()) << "failing at allocation " << allocations;
        if (whole) break;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPart, OutOfMemory, testing::ValuesIn(kParts),
                         testing::PrintToStringParamName());

}  // namespace
