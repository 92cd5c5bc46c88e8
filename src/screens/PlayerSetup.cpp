#include "screens/PlayerSetup.h"

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SDL_Button.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/WindowSize.h"
#include "game/Commands.h"
#include "game/SeatColour.h"
#include "screens/Buttons.h"
#include "screens/MainMenu.h"
#include "screens/cGameSession.h"

namespace {
const char* const kFont = DataFiles::kTitleFont;
const char* const kHelp =
    "Please select a color for each player,\nenter their names; minimal 3 characters,\nthen "
    "click on start to start playing!";
const int kColumn[4] = {0, 1, 1, 0};
const int kRow[4] = {0, 0, 1, 1};
const std::size_t kMinNameLength = 3;
}  // namespace

PlayerSetup::PlayerSetup() : nameBoxes(), controlLists() {}

bool PlayerSetup::Init() {
    BuildBackground();
    widgets.Add(MakeButton(kStartButton));
    helpFont = std::make_unique<FontHolder>(kFont, 26);
    for (int seat = 0; seat < 4; ++seat) {
        nameBoxes[seat] = widgets.Add(std::make_unique<SDL_TextBox>(
            "Name: ", kFont, 21, 15, 10 + 365 * kColumn[seat], 10 + 552 * kRow[seat]));
    }
    for (int seat = 0; seat < 4; ++seat) AddSeat(seat);
    return true;
}

void PlayerSetup::AddSeat(int seat) {
    controlLists[seat] = widgets.Add(std::make_unique<SDL_CheckBoxList>(
        kFont, DataFiles::kCheckBox, 21, 10 + 365 * kColumn[seat], 43 + 462 * kRow[seat], 24, 24));
    controlLists[seat]->AddItem("Human ", 1);
    controlLists[seat]->AddItem("Computer ", 0);
}

// The corners are tinted half and half with the seat colours.
void PlayerSetup::BuildBackground() {
    SurfaceHolder tinted(DataFiles::kTunnelTexture);
    // The backdrop takes the picture's colours as they are, without its alpha channel.
    SDL_SetAlpha(tinted.Get(), 0, SDL_ALPHA_OPAQUE);
    background = std::make_unique<SurfaceHolder>(CreateSurface(tinted.Get()->w, tinted.Get()->h));
    tinted.DrawOn(background.get(), 0, 0);
    for (int seat = 0; seat < 4; ++seat) {
        const SDL_Color c = SeatColour(seat);
        FillCircle(tinted.Get(), kWindowWidth * kColumn[seat], kWindowHeight * kRow[seat], 300, c.r,
                   c.g, c.b);
    }
    BlendSurface(background->Get(), tinted.Get(), 0, 0, 0);
}

void PlayerSetup::Cleanup() { helpFont.reset(); }

void PlayerSetup::HandleKeyDown(SDL_Event* event) {
    if (event->key.keysym.sym == SDLK_ESCAPE) {
        SDL_Engine::GetInstance()->ChangeState(new MainMenu());
        return;  // the setup screen is gone
    }
    for (SDL_TextBox* box : nameBoxes) box->OnKeyDown(event->key.keysym);
}

void PlayerSetup::HandleUserEvent(SDL_Event* event) {
    if (event->type != kButtonEvent || event->user.code != kStartButton.code) return;
    Start();
    // the setup screen may be gone
}

std::vector<PlayerInfo> PlayerSetup::ValidSeats() const {
    std::vector<PlayerInfo> seats;
    for (int seat = 0; seat < 4; ++seat) {
        int control = controlLists[seat]->GetSelected();
        if (control == -1) continue;
        std::string name = nameBoxes[seat]->GetText();
        if (name.size() < kMinNameLength) return {};
        seats.push_back(PlayerInfo{name, seat, control});
    }
    if (seats.size() < 2) return {};
    return seats;
}

void PlayerSetup::Start() {
    std::vector<PlayerInfo> seats = ValidSeats();
    if (seats.empty()) return;
    SDL_Engine::GetInstance()->ChangeState(new cGameSession(seats));
}

void PlayerSetup::Draw(SDL_Surface* screen) {
    if (!screen) return;
    SDL_GameState::Draw(screen);
    // Nothing on this screen moves by itself: only what the widgets show changes.
    FrameKey key;
    widgets.AddToKey(key);
    if (RepeatsLastFrame(screen, key)) return;
    background->DrawOn(screen, 0, 0);
    const SDL_Color black = Rgb(0, 0, 0);
    int x = (kWindowWidth - GetTextWidth(helpFont.get(), kHelp)) / 2;
    int y = (kWindowHeight - GetTextHeight(helpFont.get(), kHelp)) / 2;
    helpText.Draw(helpFont.get(), screen, black, x, y, kHelp);
    widgets.DrawAll(screen);
}
