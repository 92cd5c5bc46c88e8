#include "game/GameBoard.h"

#include "SDL_Engine/Drawing.h"
#include "game/SeatColours.h"

namespace {
const int YardSize = 191;
const int SpotSize = 33;
const int YardStep = 288;

const int YardCorner[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
const int HomeTriangle[4][6] = {{198, 199, 198, 291, 244, 245},
                                {199, 198, 245, 244, 291, 198},
                                {293, 198, 246, 245, 293, 292},
                                {199, 292, 245, 246, 291, 292}};
// Yard-relative top-left corners of the waiting spots: top, right, bottom, left.
const int SpotOffset[4][2] = {{80, 48}, {112, 80}, {80, 112}, {48, 80}};

std::unique_ptr<SurfaceHolder> MakeSurface(int width, int height) {
    return std::make_unique<SurfaceHolder>(CreateSurface(width, height, 0, PixelLayout::Rgb32));
}

std::unique_ptr<SurfaceHolder> MakeFilled(int size, Uint8 r, Uint8 g, Uint8 b) {
    return std::make_unique<SurfaceHolder>(CreateFilledSurface(size, size, r, g, b));
}
}  // namespace

GameBoard::GameBoard() : dragging(false), grabX(0), grabY(0), x(StartX), y(StartY) {
    DrawPicture();
}

void GameBoard::DrawPicture() {
    picture = MakeSurface(Size, Size);
    picture->Fill(nullptr, 255, 255, 255);
    SDL_Rect field = {5, 5, 481, 481};
    picture->Fill(&field, 70, 70, 70);
    for (int colour = 0; colour < 4; ++colour) {
        DrawYard(colour);
        const int* t = HomeTriangle[colour];
        const SeatRgb& rgb = SeatColours[colour];
        FillTriangle(picture->Get(), t[0], t[1], t[2], t[3], t[4], t[5], rgb.r, rgb.g, rgb.b);
    }
    path.Draw(picture->Get());
}

void GameBoard::DrawYard(int colour) {
    const SeatRgb& rgb = SeatColours[colour];
    std::unique_ptr<SurfaceHolder> yard = MakeSurface(YardSize, YardSize);
    yard->Fill(nullptr, rgb.r, rgb.g, rgb.b);
    SDL_Surface* surface = yard->Get();
    Uint32 black = SDL_MapRGB(surface->format, 0, 0, 0);
    DrawLine(surface, black, 0, 95, 95, 0);
    DrawLine(surface, black, 95, 0, 190, 95);
    DrawLine(surface, black, 190, 95, 95, 190);
    DrawLine(surface, black, 95, 190, 0, 95);

    std::unique_ptr<SurfaceHolder> blackSpot = MakeFilled(SpotSize, 0, 0, 0);
    std::unique_ptr<SurfaceHolder> whiteSpot = MakeFilled(SpotSize - 2, 255, 255, 255);
    whiteSpot->DrawOn(blackSpot.get(), 1, 1);
    for (const int* offset : SpotOffset) blackSpot->DrawOn(yard.get(), offset[0], offset[1]);
    yard->DrawOn(picture.get(), 6 + YardStep * YardCorner[colour][0],
                 6 + YardStep * YardCorner[colour][1]);
    // The spots and the yard go in reverse order of making: white spot, black spot, yard.
}

void GameBoard::Draw(SDL_Surface* target) {
    if (target) picture->DrawOn(target, x, y);
}

bool GameBoard::Contains(int px, int py) const {
    return x <= px && px < x + Size && y <= py && py < y + Size;
}

void GameBoard::OnMouseDown(int px, int py) {
    if (dragging || !Contains(px, py)) return;
    dragging = true;
    grabX = px - x;
    grabY = py - y;
}

void GameBoard::OnMouseMove(int px, int py) {
    if (!dragging) return;
    x = px - grabX;
    y = py - grabY;
}

void GameBoard::OnMouseUp() { dragging = false; }
