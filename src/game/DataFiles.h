#ifndef TARVELLO_DATA_FILES_H
#define TARVELLO_DATA_FILES_H

// Every file the game reads, as it names them from its working folder. The generator writes the
// pictures, music and sounds under these names, the build copies the two fonts, and the build's
// list of data files is read from the lines below: one name a line, in double quotes.
namespace DataFiles {
// Pictures
inline constexpr char kTunnelTexture[] = "data/gfx/background.png";  // also the screens' backdrop
inline constexpr char kResultsBackdrop[] = "data/gfx/Background.png";
inline constexpr char kMainMenuButton[] = "data/gfx/MainMenu.png";
inline constexpr char kStartButton[] = "data/gfx/Start.png";
inline constexpr char kThrowButton[] = "data/gfx/ThrowDice.png";
inline constexpr char kCheckBox[] = "data/gfx/ok.png";
inline constexpr char kDice[] = "data/gfx/MyDice.png";
inline constexpr char kConsole[] = "data/gfx/console.png";
inline constexpr char kLogo[] = "data/gfx/Tarvello.png";
inline constexpr char kGreenPiece[] = "data/gfx/GreenPiece.png";
inline constexpr char kRedPiece[] = "data/gfx/RedPiece.png";
inline constexpr char kBluePiece[] = "data/gfx/BluePiece.png";
inline constexpr char kYellowPiece[] = "data/gfx/YellowPiece.png";
inline constexpr char kStudioCard[] = "data/Velkor.jpg";
inline constexpr char kLibraryCard[] = "data/SDL.jpg";
// Music and sounds
inline constexpr char kMenuMusic[] = "data/music/BGM.ogg";
inline constexpr char kDiceSound[] = "data/sfx/dice.wav";
inline constexpr char kSelectSound[] = "data/sfx/item_sel.wav";
inline constexpr char kConfirmSound[] = "data/sfx/item_ok.wav";
// Fonts
inline constexpr char kTitleFont[] = "data/fonts/Jester.ttf";
inline constexpr char kPanelFont[] = "data/fonts/Neuropol.ttf";

// The pieces' pictures by seat: green, red, blue, yellow.
inline constexpr const char* kPieces[4] = {kGreenPiece, kRedPiece, kBluePiece, kYellowPiece};

// Every one of them, in the order a game first needs them.
inline constexpr const char* kAll[] = {
    kLibraryCard, kStudioCard,      kLogo,           kMenuMusic,  kTitleFont,   kTunnelTexture,
    kSelectSound, kConfirmSound,    kStartButton,    kCheckBox,   kThrowButton, kDice,
    kDiceSound,   kConsole,         kPanelFont,      kGreenPiece, kRedPiece,    kBluePiece,
    kYellowPiece, kResultsBackdrop, kMainMenuButton,
};
}  // namespace DataFiles

#endif
