// The tolerance the golden pictures are compared with lets each SDL round its blends and draw
// its lettering in its own way, but must still see what a player would. A game frame with a
// piece on the board, a face on the die and a prompt in the panel matches its golden picture;
// each fault below, drawn with the game's own pictures, must take it beyond the tolerance.

#include <gtest/gtest.h>

#include <iostream>
#include <string>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/MersenneTwister.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "game/Commands.h"
#include "game/Dice.h"
#include "screens/cGameSession.h"
#include "support/GameTable.h"
#include "support/Pictures.h"
#include "support/ScreenDriver.h"

namespace {

const char* const kName = "Faults.Game";

// A copy of the screen to draw a fault on, leaving the screen as the game left it.
SurfacePtr CopyOf(SDL_Surface* screen) {
    SurfacePtr copy = CreateSurface(screen->w, screen->h, 0);
    BlitSurface(copy.get(), screen, 0, 0);
    return copy;
}

void ExpectCaught(const char* fault, const Picture& golden, SDL_Surface* shown) {
    const Picture picture = Capture(shown);
    AddPictureStatistics(std::string(kName) + " with " + fault, golden, picture);
    const PictureDifference difference = Compare(golden, picture, ToleranceOf(kName));
    EXPECT_FALSE(difference.Tolerated()) << fault << " passes for the golden picture";
    std::cout << fault << ": " << difference.unmatched << " pixels beyond the tolerance\n";
}

TEST(GoldenPictures, ToleranceStillSeesAPieceADieFaceALetterAndAWidget) {
    SharedRandom.init_genrand(3);
    const int seats[4] = {ScreenDriver::kHuman, ScreenDriver::kComputer, ScreenDriver::kEmpty,
                          ScreenDriver::kEmpty};
    ScreenDriver d;
    d.ToGame(seats);
    cGameSession* game = d.Top<cGameSession>();
    ASSERT_NE(nullptr, game);
    LudoPlayer* green = game->GetPlayers()[0].get();
    GameTable::Walk(green, 0, 7);
    game->GetController()->GetDice().FixValue(4);
    d.Frames(80);
    d.ClickOn(kThrowButton);
    d.Frames(150);
    const std::string prompt = game->GetConsole().GetCurrentText();
    ASSERT_FALSE(game->GetConsole().HasMessages());
    ASSERT_NE(std::string::npos, prompt.find('e')) << prompt;
    ExpectPicture(kName, Capture(d.Screen()));
    const Picture golden = Golden(kName);
    ASSERT_FALSE(golden.colours.empty());

    // The die showing the next face.
    SurfacePtr shown = CopyOf(d.Screen());
    SurfaceHolder faces(DataFiles::kDice);
    const int face = game->GetController()->GetDice().GetValue() % 6;
    faces.DrawOn(shown.get(), Dice::DrawX, Dice::DrawY, face * Dice::FaceSize, 0, Dice::FaceSize,
                 Dice::FaceSize);
    ExpectCaught("another face on the die", golden, shown.get());

    // No throw button: the backdrop where it stands.
    shown = CopyOf(d.Screen());
    SurfaceHolder backdrop(DataFiles::kTunnelTexture);
    const ButtonLayout& b = kThrowButton;
    backdrop.DrawOn(shown.get(), b.x, b.y, b.x, b.y, b.width, b.height);
    ExpectCaught("no throw button", golden, shown.get());

    // One letter of the prompt changed into one much like it.
    shown = CopyOf(d.Screen());
    std::string changed = prompt;
    changed[changed.find('e')] = 'c';
    game->GetConsole().SetText(changed);
    game->GetConsole().Draw(shown.get());
    game->GetConsole().SetText(prompt);
    ExpectCaught("one letter changed in the panel", golden, shown.get());

    // The piece a square further on, as the game draws it.
    GameTable::Walk(green, 0, 1);
    d.Frames(1);
    ExpectCaught("a piece a square off", golden, d.Screen());
}

}  // namespace
