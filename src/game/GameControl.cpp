#include "game/GameControl.h"

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/Text.h"
#include "SDL_Engine/UserEvent.h"
#include "game/Commands.h"
#include "game/ComputerPlayer.h"
#include "game/GameConsole.h"
#include "game/GameMessages.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "game/PathNode.h"
#include "game/SeatColour.h"

namespace {
// No player ever has this state, so the first look at any player counts as a change.
const int NoState = 6;

const int NoMessage = -1;

// How long each notice stays on the panel, in ms.
Uint32 NoticeTime(int message) {
    switch (message) {
        case MessageInvalidMove:
        case MessagePieceFinished:
            return 500;
        case MessageNoMoves:
            return 1000;
        default:
            return 1500;
    }
}

// The rectangle round the board at its first position; the counters sit in its corners.
const int CounterLeft = 10;
const int CounterTop = 10;
const int CounterRight = 590;
const int CounterBottom = 501;
}  // namespace

GameControl::GameControl(const PlayerList* playerList, GameConsole* gameConsole)
    : console(gameConsole),
      nextPlayer(0),
      currentPlayer(0),
      sixesInARow(0),
      font(std::make_unique<FontHolder>(DataFiles::kTitleFont, 24)),
      players(playerList),
      promptPlayer(nullptr),
      promptState(NoState),
      drivenPlayer(nullptr),
      drivenState(NoState),
      actionClock(0),
      turnStartClock(0) {}

GameControl::~GameControl() = default;

LudoPlayer* GameControl::Current() const {
    if (!players || currentPlayer >= players->size()) return nullptr;
    return (*players)[currentPlayer].get();
}

void GameControl::Update() {
    if (!Current()) {
        // Without players there is nobody left to play: the game is over at once.
        PushGameOver();
        return;
    }
    if (ComputerPlayer* computer = dynamic_cast<ComputerPlayer*>(Current())) {
        DriveComputer(computer);
    }
    UpdateTurn();
    UpdatePrompt();
}

void GameControl::UpdateTurn() {
    switch (Current()->GetTurnState()) {
        case TurnStart:
            UpdateTurnStart();
            break;
        case Rolling:
            if (!die.IsRolling()) EvaluateThrow();
            break;
        case Moving:
            UpdateMoving();
            break;
        case TurnEnd:
            UpdateTurnEnd();
            break;
        case WaitThrow:
        case WaitSelect:
            break;
    }
}

void GameControl::UpdateTurnStart() {
    const Uint32 now = Clock::Ticks();
    if (turnStartClock == 0) turnStartClock = now;
    if (now - turnStartClock > TurnPause) {
        turnStartClock = 0;
        Current()->SetTurnState(WaitThrow);
    }
}

void GameControl::UpdateMoving() {
    const int result = Current()->Update();
    if (result & UpdateBusy) return;
    Current()->SetTurnState(TurnEnd);
    if (result & UpdateWon) {
        Notify(MessageWon);
    } else if (result & UpdateHome) {
        Notify(MessagePieceHome);
    }
}

void GameControl::UpdateTurnEnd() {
    if (console->HasMessages()) return;
    if (AllFinished()) {
        PushGameOver();
    } else {
        EndTurn();
    }
}

void GameControl::EndTurn() {
    Current()->SetTurnState(TurnStart);
    if (nextPlayer != currentPlayer) {
        sixesInARow = 0;
        currentPlayer = nextPlayer;
    }
}

void GameControl::ThrowDice() {
    LudoPlayer* player = Current();
    if (!player || player->GetTurnState() != WaitThrow || die.IsRolling()) return;
    console->Clear();
    die.Roll();
    sixesInARow = die.GetValue() == 6 ? sixesInARow + 1 : 0;
    player->SetTurnState(Rolling);
}

void GameControl::EvaluateThrow() {
    const LudoPlayer* player = Current();
    const int value = die.GetValue();
    const unsigned following = NextPlayer(currentPlayer);
    if (sixesInARow > 2) {
        sixesInARow = 0;
        Decide(TurnEnd, following, MessageThreeSixes);
    } else if (player->AllInYard()) {
        if (value == 6) {
            Decide(WaitSelect, nextPlayer, MessageSixStart);
        } else {
            Decide(TurnEnd, following, MessageNoMoves);
        }
    } else if (player->HasMove(value)) {
        Decide(WaitSelect, value == 6 ? currentPlayer : following,
               value == 6 ? MessageSixBonus : NoMessage);
    } else if (value == 6 && !player->NoneInYard() && player->CanStart()) {
        Decide(WaitSelect, currentPlayer, MessageSixStart);
    } else {
        Decide(TurnEnd, following, MessageNoMoves);
    }
}

void GameControl::Decide(TurnState state, unsigned next, int message) {
    nextPlayer = next;
    Current()->SetTurnState(state);
    Notify(message);
}

void GameControl::HandleClick(int x, int y) {
    LudoPlayer* player = Current();
    if (!player || player->GetTurnState() != WaitSelect) return;
    const int value = die.GetValue();
    int message = NoMessage;
    const int k = player->GetPieceAt(x, y);
    if (k >= 0 && k <= 3) {
        if (!player->IsInYard(k)) {
            if (player->CanMove(value, k)) {
                player->SelectMove(value, k);
                player->SetTurnState(Moving);
            } else {
                message = player->IsPieceFinished(k) ? MessagePieceFinished : MessageInvalidMove;
            }
        } else if (value == 6 && player->CanStart()) {
            // The six that brings a piece out earns another throw; the count of sixes stays.
            player->StartPiece(k);
            player->SetTurnState(TurnStart);
        } else {
            message = MessageInvalidMove;
        }
    }
    Notify(message);
}

void GameControl::UpdatePrompt() {
    const LudoPlayer* player = Current();
    const int state = player->GetTurnState();
    if (player == promptPlayer && state == promptState) return;
    promptPlayer = player;
    promptState = state;
    switch (state) {
        case TurnStart:
            SetPrompt(MessageYourTurn);
            break;
        case WaitThrow:
            SetPrompt(MessageThrow);
            break;
        case WaitSelect:
            SetPrompt(MessageSelect);
            break;
        case Rolling:
        case Moving:
            console->Clear();
            break;
        default:
            break;
    }
}

void GameControl::DriveComputer(ComputerPlayer* computer) {
    const Uint32 now = Clock::Ticks();
    const int state = computer->GetTurnState();
    if (computer != drivenPlayer || state != drivenState) {
        drivenPlayer = computer;
        drivenState = state;
        actionClock = now;
    }
    if (now - actionClock <= ComputerPace) return;
    if (state == WaitThrow) {
        ThrowDice();
    } else if (state == WaitSelect) {
        const LudoPiece* piece = computer->ChoosePiece(die.GetValue());
        if (piece) HandleClick(piece->GetNode()->x, piece->GetNode()->y);
    }
    actionClock = now;
}

unsigned GameControl::NextPlayer(unsigned seat) const {
    const unsigned count = players ? static_cast<unsigned>(players->size()) : 0;
    if (count == 0) return 0;
    for (unsigned i = 1; i <= count; ++i) {
        const unsigned candidate = (seat + i) % count;
        if (!(*players)[candidate]->HasFinished()) return candidate;
    }
    // Nobody has pieces left; stay rather than search for ever.
    return seat % count;
}

bool GameControl::AllFinished() const {
    if (!players) return true;
    for (const auto& player : *players) {
        if (!player->HasFinished()) return false;
    }
    return true;
}

void GameControl::PushGameOver() { PushUserEvent(kSignalEvent, kGameOverCode); }

// Every notice is queued, even an empty one of 0 ms when there is nothing to say.
void GameControl::Notify(int message) {
    if (message == NoMessage) {
        console->AddMessage(ConsoleMessage{"", 0, 0});
    } else {
        console->AddMessage(
            ConsoleMessage{Current()->GetName() + GameMessages[message], 0, NoticeTime(message)});
    }
}

void GameControl::SetPrompt(int message) {
    console->SetText(Current()->GetName() + GameMessages[message]);
}

void GameControl::Draw(SDL_Surface* target) {
    if (!target || !players) return;
    DrawCounters(target);
    for (unsigned seat = 0; seat < players->size(); ++seat) {
        if (seat != currentPlayer) (*players)[seat]->Draw(target);
    }
    if (LudoPlayer* player = Current()) player->Draw(target);
    die.Draw(target);
}

void GameControl::DrawCounters(SDL_Surface* target) {
    const int lineSkip = GetLineSkip(font.get());
    for (const auto& player : *players) {
        const int colour = player->GetColour();
        const std::string text = std::to_string(player->GetPiecesLeft()) + "x";
        const int width = GetTextWidth(font.get(), text);
        const bool right = colour == 1 || colour == 2;
        const bool bottom = colour == 2 || colour == 3;
        const int x = right ? CounterRight - width : CounterLeft;
        const int y = bottom ? CounterBottom - lineSkip : CounterTop;
        counterTexts.Draw(font.get(), target, SeatColour(colour), x, y, text);
    }
}
