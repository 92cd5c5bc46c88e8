#include "game/ComputerPlayer.h"

#include <memory>
#include <utility>

#include "SDL_Engine/MersenneTwister.h"
#include "game/LudoPiece.h"
#include "game/PathNode.h"

ComputerPlayer::ComputerPlayer(GameBoard* gameBoard, int seatColour, const std::string& playerName)
    : LudoPlayer(gameBoard, seatColour, playerName) {}

int ComputerPlayer::GetPieceAt(int x, int y) { return PieceAt(x, y, 0, 0); }

LudoPiece* ComputerPlayer::ChoosePiece(int steps) {
    int order[4] = {0, 1, 2, 3};
    for (int i = 1; i < 4; ++i) std::swap(order[i], order[RandomInt(i + 1)]);
    bool allowed[4] = {false, false, false, false};
    bool anyAllowed = false;
    for (int k : order) {
        Verdict verdict = Judge(k, steps);
        if (verdict == ChooseNow) return GetPiece(k);
        allowed[k] = verdict == Allowed;
        anyAllowed = anyAllowed || allowed[k];
    }
    // Without a legal piece the draw below would never end.
    if (!anyAllowed) return nullptr;
    for (;;) {
        int k = static_cast<int>(RandomInt(4));
        if (allowed[k]) return GetPiece(k);
    }
}

ComputerPlayer::Verdict ComputerPlayer::Judge(int k, int steps) const {
    if (IsInYard(k)) {
        if (steps != 6 || !GetStartNode()) return Refused;
        const LudoPiece* standing = GetStartNode()->occupant;
        if (!standing) return Allowed;
        return standing->GetColour() != GetColour() ? ChooseNow : Refused;
    }
    if (steps <= 0) return Refused;
    const PathNode* node = GetPiece(k)->GetNode();
    for (int i = 0; i < steps; ++i) {
        node = NextNode(node);
        if (!node) return Refused;
    }
    if (node->kind == KindFinal) return ChooseNow;
    if (!node->occupant) return Allowed;
    return node->occupant->GetColour() != GetColour() ? ChooseNow : Refused;
}

PlayerList MakePlayers(GameBoard* board, const std::vector<PlayerInfo>& seats) {
    PlayerList players;
    for (const PlayerInfo& seat : seats) {
        if (seat.control == 0) {
            players.push_back(std::make_unique<ComputerPlayer>(board, seat.colour, seat.name));
        } else if (seat.control == 1) {
            players.push_back(std::make_unique<LudoPlayer>(board, seat.colour, seat.name));
        }
    }
    return players;
}
