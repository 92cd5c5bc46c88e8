#include "GameInvariants.h"

#include "GameTable.h"
#include "game/LudoPiece.h"
#include "game/LudoPlayer.h"
#include "game/PathNode.h"

namespace {
std::string Where(const LudoPlayer* player, int k) {
    return player->GetName() + " piece " + std::to_string(k) + ": ";
}

bool IsResting(const LudoPlayer* player, const LudoPiece* piece) {
    return piece != player->GetMovingPiece();
}
}  // namespace

GameInvariants::GameInvariants(GameTable& table)
    : table(table), finished(table.Players().size(), false) {
    PathNode* first = table.Board().GetPath().GetFirst();
    PathNode* node = first;
    do {
        squares.push_back(node);
        for (PathNode* home = node->branch; home; home = home->next) squares.push_back(home);
        node = node->next;
    } while (node && node != first);
}

std::string GameInvariants::Check() {
    std::string failure = CheckSquares();
    for (unsigned seat = 0; failure.empty() && seat < table.Players().size(); ++seat) {
        failure = CheckPlayer(seat);
    }
    return failure;
}

std::string GameInvariants::CheckSquares() const {
    for (const PathNode* square : squares) {
        const LudoPiece* occupant = square->occupant;
        if (!occupant) continue;
        if (square->kind == KindFinal) return "a final square has an occupant";
        if (occupant->GetNode() != square) return "an occupant stands elsewhere";
        if (square->kind < 4 && square->kind != occupant->GetColour()) {
            return "a piece occupies another colour's home stretch";
        }
    }
    return "";
}

std::string GameInvariants::CheckPlayer(unsigned seat) {
    const LudoPlayer* player = table.Player(seat);
    int home = 0;
    for (int k = 0; k < 4; ++k) {
        std::string failure = CheckPiece(player, k);
        if (!failure.empty()) return failure;
        const LudoPiece* piece = player->GetPiece(k);
        if (piece->GetNode()->kind == KindFinal && IsResting(player, piece)) ++home;
        for (int j = 0; j < k; ++j) {
            const LudoPiece* other = player->GetPiece(j);
            if (IsResting(player, piece) && IsResting(player, other) &&
                piece->GetNode() == other->GetNode() && piece->GetNode()->kind != KindFinal) {
                return Where(player, k) + "shares a square with piece " + std::to_string(j);
            }
        }
    }
    if (player->GetPiecesLeft() != 4 - home) return player->GetName() + ": pieces left is wrong";
    if (seat != table.Control().GetCurrentPlayer() && player->GetTurnState() != TurnStart) {
        return player->GetName() + ": in the middle of a turn out of turn";
    }
    if (player->HasFinished() && !finished[seat]) {
        finished[seat] = true;
        finishOrder.push_back({player->GetName(), player->GetColour(), 0});
    }
    return "";
}

std::string GameInvariants::CheckPiece(const LudoPlayer* player, int k) const {
    const LudoPiece* piece = player->GetPiece(k);
    const PathNode* node = piece->GetNode();
    if (!node) return Where(player, k) + "stands nowhere";
    if (node == piece->GetYardSpot()) {
        if (node->occupant && node->occupant != piece) return Where(player, k) + "yard taken";
        return "";
    }
    if (node->kind == KindYardSpot) return Where(player, k) + "in a strange yard";
    if (node->kind < 4 && node->kind != player->GetColour()) {
        return Where(player, k) + "in another colour's home stretch";
    }
    if (piece->GetYardSpot()->occupant == piece) return Where(player, k) + "also holds its yard";
    if (IsResting(player, piece) && node->kind != KindFinal && node->occupant != piece) {
        return Where(player, k) + "its square does not know it";
    }
    if (!IsResting(player, piece) && node->occupant == piece) {
        return Where(player, k) + "occupies a square while walking";
    }
    return "";
}
