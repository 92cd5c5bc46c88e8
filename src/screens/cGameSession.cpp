#include "screens/cGameSession.h"

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SDL_Button.h"
#include "SDL_Engine/SDL_Engine.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "game/Commands.h"
#include "game/ComputerPlayer.h"
#include "game/GameControl.h"
#include "game/GameRecord.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "screens/Buttons.h"
#include "screens/GameResults.h"
#include "screens/InGameMenu.h"

namespace {
void EndGame() {
    GameRecord.playTime = Clock::Ticks() - GameRecord.playTime;
    SDL_Engine::GetInstance()->ChangeState(new GameResults());
}
}  // namespace

cGameSession::cGameSession(const std::vector<PlayerInfo>& seats)
    : players(MakePlayers(&board, seats)), layerX(0), layerY(0) {}

bool cGameSession::Init() {
    controller = std::make_unique<GameControl>(&players, &console);
    widgets.Add(MakeButton(kThrowButton));
    background = std::make_unique<SurfaceHolder>(DataFiles::kTunnelTexture);
    GameRecord.finishers.clear();
    GameRecord.playTime = Clock::Ticks();
    return true;
}

void cGameSession::Cleanup() {
    stillLayer.reset();
    controller.reset();
    players.clear();
}

void cGameSession::HandleKeyDown(SDL_Event* event) {
    if (event->key.keysym.sym == SDLK_ESCAPE)
        SDL_Engine::GetInstance()->PushState(new InGameMenu());
}

void cGameSession::HandleMouseButtonDown(SDL_Event* event) {
    SDL_GameState::HandleMouseButtonDown(event);
    controller->HandleClick(event->button.x, event->button.y);
    board.OnMouseDown(event->button.x, event->button.y);
}

void cGameSession::HandleMouseButtonUp(SDL_Event* event) {
    SDL_GameState::HandleMouseButtonUp(event);
    board.OnMouseUp();
}

void cGameSession::HandleMouseMotion(SDL_Event* event) {
    SDL_GameState::HandleMouseMotion(event);
    board.OnMouseMove(event->motion.x, event->motion.y);
}

void cGameSession::HandleUserEvent(SDL_Event* event) {
    if (event->type == kButtonEvent) {
        if (event->user.code == kThrowButton.code) controller->ThrowDice();
        return;
    }
    if (event->user.code != kGameOverCode) return;
    EndGame();
    // the session is gone
}

// The in-game menu drew over the board.
void cGameSession::Resume() { ForgetLastFrame(); }

void cGameSession::Update() {
    controller->Update();
    console.Update();
}

void cGameSession::Draw(SDL_Surface* screen) {
    if (!screen) return;
    SDL_GameState::Draw(screen);
    // A frame like the last one is drawn all the same, the panel's text rendered afresh, but
    // clipped to nothing: the screen shows it already.
    const bool repeat = RepeatsLastFrame(screen, Key());
    // A rolling die shows a new face every frame: such a frame is no pattern for the next.
    if (controller->GetDice().IsRolling()) ForgetLastFrame();
    SDL_Rect nothing = MakeRect(0, 0, 0, 0);
    if (repeat) SDL_SetClipRect(screen, &nothing);
    DrawStillLayer(screen);
    controller->Draw(screen);
    widgets.DrawAll(screen);
    console.Draw(screen);
    if (repeat) SDL_SetClipRect(screen, nullptr);
}

// What the frame shows: the board's place, whether the die rolls, the panel's text, the throw
// button's look, every counter and piece. Pieces never overlap at rest, so their order never
// shows.
FrameKey cGameSession::Key() const {
    FrameKey key;
    key << board.GetX() << board.GetY() << controller->GetDice().IsRolling()
        << console.GetCurrentText();
    widgets.AddToKey(key);
    for (const auto& player : players) {
        key << player->GetPiecesLeft();
        for (int k = 0; k < 4; ++k)
            key << player->GetPiece(k)->GetX() << player->GetPiece(k)->GetY();
    }
    return key;
}

// Backdrop and board drawn together, again only when the board has moved. The backdrop is
// opaque and fills the screen; were it see-through, the layer beneath would show, not old frames.
void cGameSession::DrawStillLayer(SDL_Surface* screen) {
    if (!stillLayer || layerX != board.GetX() || layerY != board.GetY()) {
        if (!stillLayer)
            stillLayer = std::make_unique<SurfaceHolder>(CreateSurface(screen->w, screen->h));
        background->DrawOn(stillLayer.get(), 0, 0);
        board.Draw(stillLayer->Get());
        layerX = board.GetX();
        layerY = board.GetY();
    }
    stillLayer->DrawOn(screen, 0, 0);
}
