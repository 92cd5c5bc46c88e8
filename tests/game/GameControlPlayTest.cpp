#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GameTable.h"
#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/Text.h"
#include "game/GameMessages.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "game/PathNode.h"
#include "support/FakeClock.h"
#include "support/SdlSession.h"

namespace {

using Strings = std::vector<std::string>;

// Whole turns played through the referee, as the session would drive it.
class GameControlPlayTest : public testing::Test {
  protected:
    void SetUp() override {
        GameTable::TakeGameOverEvents();
        GameRecord.finishers.clear();
    }

    void Seat(const std::vector<PlayerInfo>& seats) { table.reset(new GameTable(seats)); }

    // The current (human) player throws value once asked to, and the die stops.
    void Throw(int value) {
        ASSERT_TRUE(table->StepUntil(WaitThrow));
        table->Control().GetDice().FixValue(value);
        table->Control().ThrowDice();
        ASSERT_TRUE(table->StepWhile(Rolling, 110));
    }

    void Press(LudoPlayer* player, int k) {
        const WindowPoint at = GameTable::SquareOf(player, k);
        table->Control().HandleClick(at.x, at.y);
    }

    // Steps until the current player leaves state; returns the tick of that update.
    Uint32 StepOutOf(TurnState state) {
        EXPECT_TRUE(table->StepWhile(state, 200));
        return FakeClock::Now();
    }

    std::string Said(unsigned seat, int message) {
        return GameTable::Said(table->Player(seat), message);
    }

    SdlSession sdl{true};
    FakeClock clock{100000};
    std::unique_ptr<GameTable> table;
};

const std::vector<PlayerInfo> AnnaAndBert = {{"Anna", 0, 1}, {"Bert", 1, 1}};

TEST_F(GameControlPlayTest, ThirdSixInARowForfeitsTheBonusAndPassesTheTurn) {
    Seat(AnnaAndBert);
    LudoPlayer* anna = table->Player(0);
    Throw(6);
    EXPECT_EQ(1u, table->Control().GetSixesInARow());
    Press(anna, 0);
    EXPECT_EQ(TurnStart, table->State());
    Throw(6);
    EXPECT_EQ(2u, table->Control().GetSixesInARow());
    Press(anna, 0);
    ASSERT_TRUE(table->StepUntil(TurnStart));
    ASSERT_EQ(0u, table->Control().GetCurrentPlayer());
    const PathNode* before = anna->GetPiece(0)->GetNode();
    Throw(6);
    table->Shown().clear();
    EXPECT_EQ(TurnEnd, table->State());
    for (int i = 0; i < 80; ++i) table->Step();
    EXPECT_EQ((Strings{Said(0, MessageThreeSixes), Said(1, MessageYourTurn)}), table->Shown());
    EXPECT_EQ(1u, table->Control().GetCurrentPlayer());
    EXPECT_EQ(0u, table->Control().GetSixesInARow());
    EXPECT_EQ(before, anna->GetPiece(0)->GetNode());
}

TEST_F(GameControlPlayTest, ThrowOtherThanSixStartsTheCountOfSixesAfresh) {
    Seat(AnnaAndBert);
    Throw(6);
    Press(table->Player(0), 1);
    Throw(6);
    EXPECT_EQ(2u, table->Control().GetSixesInARow());
    Press(table->Player(0), 1);
    ASSERT_TRUE(table->StepUntil(TurnStart));
    Throw(2);
    EXPECT_EQ(0u, table->Control().GetSixesInARow());
}

TEST_F(GameControlPlayTest, PlayerWhoFinishesWithASixThrowsOnceMoreThenPasses) {
    Seat(AnnaAndBert);
    LudoPlayer* anna = table->Player(0);
    for (int k = 0; k < 3; ++k) GameTable::Walk(anna, k, 56);
    GameTable::Walk(anna, 3, 50);
    Throw(6);
    ASSERT_EQ(WaitSelect, table->State());
    table->Shown().clear();
    Press(anna, 3);
    ASSERT_EQ(Moving, table->State());
    ASSERT_TRUE(table->StepUntil(TurnEnd));
    ASSERT_EQ(1u, GameRecord.finishers.size());
    EXPECT_EQ("Anna", GameRecord.finishers[0].name);
    Throw(6);  // the bonus turn of the winning six
    EXPECT_EQ(TurnEnd, table->State());
    EXPECT_EQ(2u, table->Control().GetSixesInARow());
    for (int i = 0; i < 60; ++i) table->Step();
    EXPECT_EQ((Strings{Said(0, MessageWon), Said(0, MessageYourTurn), Said(0, MessageThrow),
                       Said(0, MessageNoMoves), Said(1, MessageYourTurn)}),
              table->Shown());
    EXPECT_EQ(1u, table->Control().GetCurrentPlayer());
    EXPECT_EQ(0u, table->Control().GetSixesInARow());
}

// On an open square, and on the other colour's own start square where it has just come out.
TEST_F(GameControlPlayTest, LandingOnAnotherColourSendsItToItsYardSpotEvenOnItsStartSquare) {
    struct Capture {
        int bertSteps, annaSteps;
    };
    for (Capture c : {Capture{43, 0}, Capture{0, 9}}) {
        Seat(AnnaAndBert);
        LudoPlayer* anna = table->Player(0);
        LudoPlayer* bert = table->Player(1);
        GameTable::Walk(bert, 0, c.bertSteps);  // 43: four squares past Anna's start
        GameTable::Walk(anna, 0, c.annaSteps);
        PathNode* target = bert->GetPiece(0)->GetNode();
        Throw(4);
        Press(anna, 0);
        ASSERT_TRUE(table->StepUntil(TurnEnd));
        EXPECT_EQ(target, anna->GetPiece(0)->GetNode()) << c.bertSteps;
        EXPECT_EQ(anna->GetPiece(0), target->occupant);
        EXPECT_TRUE(bert->IsInYard(0));
        EXPECT_EQ(bert->GetPiece(0), bert->GetPiece(0)->GetYardSpot()->occupant);
    }
}

TEST_F(GameControlPlayTest, ComputerActsOnTheFirstUpdateMoreThan750MsAfterItsStepBegan) {
    Seat({{"Cora", 0, 0}, {"Bert", 1, 1}});
    table->Control().GetDice().FixValue(6);
    const Uint32 waiting = StepOutOf(TurnStart) + 20;  // the first update that finds it waiting
    while (FakeClock::Now() + 20 <= waiting + 750) {
        table->Step();
        ASSERT_EQ(WaitThrow, table->State()) << "at +" << FakeClock::Now() - waiting;
    }
    table->Step();
    EXPECT_EQ(Rolling, table->State());
    const Uint32 choosing = StepOutOf(Rolling) + 20;
    ASSERT_EQ(WaitSelect, table->State());
    while (FakeClock::Now() + 20 <= choosing + 750) {
        table->Step();
        ASSERT_EQ(WaitSelect, table->State()) << "at +" << FakeClock::Now() - choosing;
    }
    table->Step();
    EXPECT_EQ(TurnStart, table->State());  // it brought a piece out
    EXPECT_FALSE(table->Player(0)->AllInYard());
}

TEST_F(GameControlPlayTest, ThrowButtonAndBoardPressesServeAComputerSeatInPictureCoordinates) {
    Seat({{"Cora", 0, 0}, {"Bert", 1, 1}});
    LudoPlayer* cora = table->Player(0);
    ASSERT_TRUE(table->StepUntil(WaitThrow));
    table->Control().GetDice().FixValue(6);
    table->Control().ThrowDice();
    EXPECT_EQ(Rolling, table->State());
    ASSERT_TRUE(table->StepWhile(Rolling, 110));
    Press(cora, 0);  // window coordinates miss in picture coordinates
    EXPECT_EQ(WaitSelect, table->State());
    const PathNode* spot = cora->GetPiece(0)->GetNode();
    table->Control().HandleClick(spot->x, spot->y);
    EXPECT_EQ(TurnStart, table->State());
    EXPECT_FALSE(cora->IsInYard(0));
}

TEST_F(GameControlPlayTest, LonePlayerTakesEveryTurnAndThenGameOverIsPostedOnEveryUpdate) {
    SharedRandom.init_genrand(2024);
    Seat({{"Solo", 2, 0}});
    int steps = 0;
    while (!table->Player(0)->HasFinished() || table->Console().HasMessages()) {
        table->Step();
        ASSERT_EQ(0u, table->Control().GetCurrentPlayer());
        ASSERT_EQ(0, GameTable::TakeGameOverEvents());
        ASSERT_LT(++steps, 200000);
    }
    ASSERT_EQ(1u, GameRecord.finishers.size());
    EXPECT_EQ("Solo", GameRecord.finishers[0].name);
    EXPECT_EQ(2, GameRecord.finishers[0].colour);
    EXPECT_EQ(0, GameRecord.finishers[0].control);
    table->Step();
    table->Step();
    EXPECT_EQ(2, GameTable::TakeGameOverEvents());
    table->Step();
    EXPECT_EQ(1, GameTable::TakeGameOverEvents());
    EXPECT_EQ(TurnEnd, table->State());
}

TEST_F(GameControlPlayTest, GameGoesOnWhenTheTickCounterWrapsRound) {
    SharedRandom.init_genrand(77);
    FakeClock::Set(0xFFFFFFFFu - 120000);  // two minutes before the wrap
    Seat({{"Solo", 1, 0}});
    for (int steps = 0; GameTable::TakeGameOverEvents() == 0; ++steps) {
        ASSERT_LT(steps, 200000) << table->State();
        table->Step();
    }
    EXPECT_LT(FakeClock::Now(), 0x80000000u);  // it did cross the wrap
    EXPECT_TRUE(table->Player(0)->HasFinished());
}

TEST_F(GameControlPlayTest, GameAfterAnAbandonedOneStartsWithItsPromptAndTheFullPause) {
    Seat(AnnaAndBert);
    for (int i = 0; i < 10; ++i) table->Step();  // abandoned while the first pause runs
    table.reset();
    FakeClock::Advance(5000);

    Seat(AnnaAndBert);
    table->Step();
    const Uint32 first = FakeClock::Now();
    EXPECT_EQ(Strings{Said(0, MessageYourTurn)}, table->Shown());
    while (FakeClock::Now() < first + 1000) {
        table->Step();
        ASSERT_EQ(TurnStart, table->State()) << "at +" << FakeClock::Now() - first;
    }
    table->Step();
    EXPECT_EQ(WaitThrow, table->State());
    EXPECT_EQ((Strings{Said(0, MessageYourTurn), Said(0, MessageThrow)}), table->Shown());
}

TEST_F(GameControlPlayTest, CountersShowPiecesLeftInThePlayersColoursAtTheFourCorners) {
    Seat({{"G", 0, 1}, {"R", 1, 1}, {"B", 2, 1}, {"Y", 3, 0}});
    for (int k = 0; k < 4; ++k) GameTable::Walk(table->Player(1), k, 56);
    SDL_Surface* screen = sdl.Screen();
    SDL_FillRect(screen, nullptr, 0);
    table->Control().Draw(screen);

    FontHolder font("data/fonts/Jester.ttf", 24);
    SDL_Surface* expected = SDL_CreateRGBSurface(0, 600, 600, 32, 0, 0, 0, 0);
    SDL_FillRect(expected, nullptr, 0);
    const SDL_Color colours[4] = {
        {0, 255, 64, 0}, {255, 50, 50, 0}, {0, 128, 255, 0}, {255, 255, 0, 0}};
    const char* texts[4] = {"4x", "0x", "4x", "4x"};
    const int skip = GetLineSkip(&font);
    for (int c = 0; c < 4; ++c) {
        const int w = GetTextWidth(&font, texts[c]);
        const int x = c == 1 || c == 2 ? 590 - w : 10;
        const int y = c >= 2 ? 501 - skip : 10;
        DrawText(&font, expected, colours[c], x, y, texts[c]);
        int differing = 0, lit = 0;
        for (int py = y; py < y + skip; ++py) {
            for (int px = x; px < x + w; ++px) {
                Uint8 r1, g1, b1, r2, g2, b2;
                SDL_GetRGB(GetPixel(screen, px, py), screen->format, &r1, &g1, &b1);
                SDL_GetRGB(GetPixel(expected, px, py), expected->format, &r2, &g2, &b2);
                differing += r1 != r2 || g1 != g2 || b1 != b2;
                lit += r1 == colours[c].r && g1 == colours[c].g && b1 == colours[c].b;
            }
        }
        EXPECT_EQ(0, differing) << "colour " << c;
        EXPECT_GT(lit, 10) << "colour " << c;
    }
    SDL_FreeSurface(expected);
}

TEST_F(GameControlPlayTest, WithoutPlayersTheGameIsOverAtOnceAndNothingBreaks) {
    std::vector<LudoPlayer*> nobody;
    GameConsole console;
    GameControl control(&nobody, &console);
    control.ThrowDice();
    control.HandleClick(100, 100);
    control.Draw(sdl.Screen());
    control.Update();
    EXPECT_EQ(1, GameTable::TakeGameOverEvents());
    EXPECT_TRUE(control.AllFinished());
    EXPECT_EQ(0u, control.NextPlayer(0));
}

}  // namespace
