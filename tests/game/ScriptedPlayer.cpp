#include "ScriptedPlayer.h"

#include "GameTable.h"
#include "SDL_Engine/Clock.h"
#include "SDL_Engine/MersenneTwister.h"
#include "game/ComputerPlayer.h"
#include "game/LudoPiece.h"
#include "game/PathNode.h"

ScriptedPlayer::ScriptedPlayer(GameTable& table)
    : table(table), seenPlayer(nullptr), seenState(TurnStart), actAt(0), wrongPresses(0) {}

std::string ScriptedPlayer::Act() {
    LudoPlayer* player = table.Current();
    if (dynamic_cast<ComputerPlayer*>(player)) return "";
    const TurnState state = player->GetTurnState();
    if (player != seenPlayer || state != seenState) {
        seenPlayer = player;
        seenState = state;
        actAt = Clock::Ticks() + 20 * RandomInt(15);  // a person takes a moment
    }
    if (RandomInt(40) == 0) {
        std::string failure = PressStray(player);
        if (!failure.empty()) return failure;
    }
    if (Clock::Ticks() < actAt) return "";
    if (state == WaitThrow) return Throw();
    if (state == WaitSelect) return Choose(player);
    return "";
}

std::string ScriptedPlayer::Throw() {
    table.Control().ThrowDice();
    return table.State() == Rolling ? "" : "the throw button did not throw";
}

std::string ScriptedPlayer::Choose(LudoPlayer* player) {
    const std::vector<int> legal = LegalPieces(player);
    if (legal.empty()) return player->GetName() + " is asked to choose without a legal piece";
    if (RandomInt(4) == 0) {
        std::string failure = PressWrong(player, legal);
        if (!failure.empty()) return failure;
    }
    Press(player, legal[RandomInt(static_cast<uint32_t>(legal.size()))]);
    const TurnState after = player->GetTurnState();
    return after == Moving || after == TurnStart ? "" : "a legal press was refused";
}

// Presses a piece that may not move, or an empty corner of the window.
std::string ScriptedPlayer::PressWrong(LudoPlayer* player, const std::vector<int>& legal) {
    std::vector<int> wrong;
    for (int k = 0; k < 4; ++k) {
        bool allowed = false;
        for (int l : legal) allowed = allowed || l == k;
        if (!allowed) wrong.push_back(k);
    }
    const PathNode* before[4];
    for (int k = 0; k < 4; ++k) before[k] = player->GetPiece(k)->GetNode();
    if (wrong.empty()) {
        table.Control().HandleClick(2, 2);
    } else {
        Press(player, wrong[RandomInt(static_cast<uint32_t>(wrong.size()))]);
    }
    ++wrongPresses;
    for (int k = 0; k < 4; ++k) {
        if (player->GetPiece(k)->GetNode() != before[k]) return "a wrong press moved a piece";
    }
    return player->GetTurnState() == WaitSelect ? "" : "a wrong press changed the step";
}

// The throw button or a piece pressed in a step that does not want it.
std::string ScriptedPlayer::PressStray(LudoPlayer* player) {
    const TurnState state = player->GetTurnState();
    const int value = table.Control().GetDice().GetValue();
    if (state != WaitThrow) {
        table.Control().ThrowDice();
    } else {
        Press(player, static_cast<int>(RandomInt(4)));
    }
    if (player->GetTurnState() != state || table.Control().GetDice().GetValue() != value) {
        return "a stray press changed the game";
    }
    return "";
}

void ScriptedPlayer::Press(LudoPlayer* player, int k) {
    const WindowPoint at = GameTable::SquareOf(player, k);
    table.Control().HandleClick(at.x + static_cast<int>(RandomInt(31)),
                                at.y - 15 + static_cast<int>(RandomInt(31)));
}

std::vector<int> ScriptedPlayer::LegalPieces(LudoPlayer* player) const {
    const int value = table.Control().GetDice().GetValue();
    std::vector<int> legal;
    for (int k = 0; k < 4; ++k) {
        const bool allowed =
            player->IsInYard(k) ? value == 6 && player->CanStart() : player->CanMove(value, k);
        if (allowed) legal.push_back(k);
    }
    return legal;
}
