#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SDL_Engine/MersenneTwister.h"
#include "game/ComputerPlayer.h"
#include "game/GameControl.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"
#include "screens/MainMenu.h"
#include "screens/ScreenSteps.h"
#include "screens/cGameSession.h"

namespace {

const int kHumanAndComputer[4] = {steps::kHuman, steps::kComputer, -1, -1};

// Everything of a game a person could see change.
struct GameSnapshot {
    std::vector<const PathNode*> squares;
    std::vector<int> turnStates;
    unsigned current;
    int dieValue;
    std::string console;
    int boardX, boardY;

    bool operator==(const GameSnapshot& o) const {
        return squares == o.squares && turnStates == o.turnStates && current == o.current &&
               dieValue == o.dieValue && console == o.console && boardX == o.boardX &&
               boardY == o.boardY;
    }
};

GameSnapshot Snapshot(cGameSession* game) {
    GameSnapshot shot;
    for (LudoPlayer* player : game->GetPlayers()) {
        for (int k = 0; k < 4; ++k) shot.squares.push_back(player->GetPiece(k)->GetNode());
        shot.turnStates.push_back(player->GetTurnState());
    }
    shot.current = game->GetController()->GetCurrentPlayer();
    shot.dieValue = game->GetController()->GetDice().GetValue();
    shot.console = game->GetConsole().GetCurrentText();
    shot.boardX = game->GetBoard().GetX();
    shot.boardY = game->GetBoard().GetY();
    return shot;
}

class GameSession : public testing::Test {
  protected:
    void SetUp() override {
        SharedRandom.init_genrand(7);
        steps::ToGame(driver, kHumanAndComputer);
        ASSERT_NE(nullptr, driver.Top<cGameSession>());
        driver.Frames(200);  // the game is under way
    }

    ScreenDriver driver;
};

TEST_F(GameSession, DownThenReturnResumesTheGameAsItWas) {
    cGameSession* game = driver.Top<cGameSession>();
    GameSnapshot before = Snapshot(game);
    driver.KeyAtOnce(SDLK_ESCAPE);
    ASSERT_NE(nullptr, driver.Top<InGameMenu>());
    driver.Key(SDLK_ESCAPE);  // a second Escape does nothing
    driver.Frames(150);       // three seconds in the menu
    driver.Key(SDLK_DOWN);
    driver.KeyAtOnce(SDLK_RETURN);
    ASSERT_EQ(game, driver.Top<cGameSession>());
    EXPECT_TRUE(before == Snapshot(game));
    driver.Frames(50);
    EXPECT_TRUE(driver.Engine()->IsRunning());
}

TEST_F(GameSession, KeysOtherThanEscapeDoNothing) {
    cGameSession* game = driver.Top<cGameSession>();
    GameSnapshot before = Snapshot(game);
    for (SDLKey key : {SDLK_RETURN, SDLK_SPACE, SDLK_UP, SDLK_DOWN, SDLK_a, SDLK_F1}) {
        driver.KeyAtOnce(key);
    }
    EXPECT_EQ(game, driver.Top<cGameSession>());
    EXPECT_TRUE(before == Snapshot(game));
}

TEST_F(GameSession, ThePressOnABoardSquareReachesTheBoardAndTheReleaseEndsTheDrag) {
    cGameSession* game = driver.Top<cGameSession>();
    driver.Press(300, 250);
    EXPECT_TRUE(game->GetBoard().IsDragging());
    driver.Move(310, 260);
    EXPECT_EQ(64, game->GetBoard().GetX());
    EXPECT_EQ(20, game->GetBoard().GetY());
    driver.Release(310, 260);
    EXPECT_FALSE(game->GetBoard().IsDragging());
}

TEST(GameSessionSeats, AControlOtherThanHumanOrComputerMakesNoPlayer) {
    ScreenDriver driver;
    steps::ToMainMenu(driver);
    std::vector<PlayerInfo> seats = {{"Gale", 0, 1}, {"Rowan", 1, 2}, {"Bryn", 2, 0}};
    driver.Engine()->ChangeState(new cGameSession(seats));
    cGameSession* game = driver.Top<cGameSession>();
    ASSERT_NE(nullptr, game);
    ASSERT_EQ(2u, game->GetPlayers().size());
    EXPECT_EQ(0, game->GetPlayers()[0]->GetColour());
    EXPECT_EQ(nullptr, dynamic_cast<ComputerPlayer*>(game->GetPlayers()[0]));
    EXPECT_EQ(2, game->GetPlayers()[1]->GetColour());
    EXPECT_NE(nullptr, dynamic_cast<ComputerPlayer*>(game->GetPlayers()[1]));
    driver.Frames(100);
    EXPECT_TRUE(driver.Engine()->IsRunning());
}

TEST(GameSessionSeats, TheThrowButtonThrowsForTheHumanWaitingToThrow) {
    ScreenDriver driver;
    SharedRandom.init_genrand(3);
    steps::ToGame(driver, kHumanAndComputer);
    cGameSession* game = driver.Top<cGameSession>();
    LudoPlayer* human = game->GetPlayers()[0];
    ASSERT_TRUE(driver.RunUntil([&] { return human->GetTurnState() == WaitThrow; }, 3000));
    driver.Click(565 + 15, 520 + 30);
    EXPECT_EQ(Rolling, human->GetTurnState());
    driver.Click(565 + 15, 520 + 30);  // a second click while rolling changes nothing
    EXPECT_EQ(Rolling, human->GetTurnState());
}

}  // namespace
