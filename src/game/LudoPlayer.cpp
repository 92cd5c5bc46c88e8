#include "game/LudoPlayer.h"

#include "SDL_Engine/SDL_Exception.h"
#include "game/DataFiles.h"
#include "game/GameBoard.h"
#include "game/GameRecord.h"

namespace {

const int YardCorner[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
// Yard-relative corners of the waiting spots (top, right, bottom, left); pieces sit 1 pixel in.
const int SpotOffset[4][2] = {{80, 48}, {112, 80}, {80, 112}, {48, 80}};
const int HitSize = 31;

std::unique_ptr<SurfaceHolder> LoadPicture(int colour) {
    if (colour < 0 || colour > 3) throw SDL_Exception("LudoPlayer: no such colour");
    return std::make_unique<SurfaceHolder>(DataFiles::kPieces[colour]);
}
}  // namespace

LudoPlayer::LudoPlayer(GameBoard* gameBoard, int seatColour, const std::string& playerName)
    : colour(seatColour),
      board(gameBoard),
      movingPiece(nullptr),
      startNode(gameBoard ? gameBoard->GetPath().GetStartNode(seatColour) : nullptr),
      yardSpots{},
      picture(LoadPicture(seatColour)),
      piecesLeft(4),
      stepsLeft(0),
      name(playerName),
      turnState(TurnStart) {
    for (int k = 0; k < 4; ++k) {
        PathNode& spot = yardSpots[k];
        spot.kind = KindYardSpot;
        spot.x = 6 + 288 * YardCorner[seatColour][0] + SpotOffset[k][0] + 1;
        spot.y = 6 + 288 * YardCorner[seatColour][1] + SpotOffset[k][1] + 1;
        pieces[k] = std::make_unique<LudoPiece>(seatColour, &spot, picture.get());
    }
}

int LudoPlayer::GetPieceAt(int x, int y) { return PieceAt(x, y, board->GetX(), board->GetY()); }

int LudoPlayer::PieceAt(int x, int y, int offsetX, int offsetY) const {
    for (int k = 0; k < 4; ++k) {
        const PathNode* node = pieces[k]->GetNode();
        int nx = node->x + offsetX;
        int ny = node->y + offsetY;
        if (nx <= x && x < nx + HitSize && ny <= y && y < ny + HitSize) return k;
    }
    return NoPiece;
}

bool LudoPlayer::HasFinished() const { return piecesLeft == 0; }

bool LudoPlayer::IsInYard(int k) const {
    return k >= 0 && k < 4 && pieces[k]->GetNode() == &yardSpots[k];
}

bool LudoPlayer::IsPieceFinished(int k) const {
    return k >= 0 && k < 4 && pieces[k]->GetNode()->kind == KindFinal;
}

bool LudoPlayer::AllInYard() const {
    for (int k = 0; k < 4; ++k) {
        if (!IsInYard(k)) return false;
    }
    return true;
}

bool LudoPlayer::NoneInYard() const {
    for (int k = 0; k < 4; ++k) {
        if (IsInYard(k)) return false;
    }
    return true;
}

PathNode* LudoPlayer::NextNode(const PathNode* node) const {
    if (!node) return nullptr;
    if (node->branch && node->branch->kind == colour) return node->branch;
    return node->next;
}

bool LudoPlayer::CanMove(int steps, int k) const {
    if (k < 0 || k > 3 || steps <= 0 || IsInYard(k) || IsPieceFinished(k)) return false;
    const PathNode* node = pieces[k]->GetNode();
    for (int i = 0; i < steps && node; ++i) node = NextNode(node);
    if (!node) return false;
    return !node->occupant || node->occupant->GetColour() != colour;
}

bool LudoPlayer::HasMove(int steps) const {
    for (int k = 0; k < 4; ++k) {
        if (CanMove(steps, k)) return true;
    }
    return false;
}

bool LudoPlayer::CanStart() const {
    return startNode && (!startNode->occupant || startNode->occupant->GetColour() != colour);
}

void LudoPlayer::StartPiece(int k) {
    if (!IsInYard(k) || !CanStart()) return;
    LudoPiece* piece = pieces[k].get();
    // A piece once sent home occupies its spot; it leaves the spot free behind it.
    if (yardSpots[k].occupant == piece) yardSpots[k].occupant = nullptr;
    if (startNode->occupant) startNode->occupant->SendHome();
    startNode->occupant = piece;
    piece->Place(startNode);
}

void LudoPlayer::SelectMove(int steps, int k) {
    if (!CanMove(steps, k)) return;
    stepsLeft = steps;
    movingPiece = pieces[k].get();
}

int LudoPlayer::Update() {
    if (!movingPiece) return UpdateIdle;
    if (movingPiece->IsStepping()) {
        movingPiece->Animate();
        return UpdateBusy;
    }
    if (stepsLeft != 0) {
        movingPiece->BeginStep();
        --stepsLeft;
        return UpdateBusy;
    }
    int result = Arrive();
    movingPiece = nullptr;
    return result;
}

int LudoPlayer::Arrive() {
    PathNode* node = movingPiece->GetNode();
    if (node->kind == KindFinal) {
        --piecesLeft;
        if (piecesLeft > 0) return UpdateHome;
        GameRecord.finishers.push_back(PlayerInfo{name, colour, 0});
        return UpdateWon | UpdateHome;
    }
    if (node->occupant && node->occupant->GetColour() != colour) node->occupant->SendHome();
    node->occupant = movingPiece;
    return 0;
}

void LudoPlayer::Draw(SDL_Surface* target) {
    if (!target) return;
    for (const auto& piece : pieces) {
        if (piece.get() != movingPiece) piece->Draw(target, board->GetX(), board->GetY());
    }
    if (movingPiece) movingPiece->Draw(target, board->GetX(), board->GetY());
}

LudoPiece* LudoPlayer::GetPiece(int k) const { return k >= 0 && k < 4 ? pieces[k].get() : nullptr; }
