#include "game/PathControl.h"

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SDL_Exception.h"
#include "game/SeatColours.h"

namespace {
struct Step {
    int first;  // the first track node index that takes this step
    int dx;
    int dy;
};

// The walk round the board, in cells, as runs of equal steps taken after each track node.
const Step StepRuns[] = {{0, 0, -1},  {1, 1, 0},   {6, 1, -1},   {7, 0, -1},
                         {12, 1, 0},  {14, 0, 1},  {19, 1, 1},   {20, 1, 0},
                         {25, 0, 1},  {27, -1, 0}, {32, -1, 1},  {33, 0, 1},
                         {38, -1, 0}, {40, 0, -1}, {45, -1, -1}, {46, -1, 0}};

const int CellSize = 32;

// Home stretches run towards the centre: green from the left, red from the top, and so on.
const int StretchDirection[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

// The last run takes every node from its first on, so the table needs no end marker.
Step StepAfter(int index) {
    Step step = Step();
    for (const Step& run : StepRuns) {
        if (run.first <= index) step = run;
    }
    return step;
}

std::unique_ptr<SurfaceHolder> MakeSquare(Uint8 r, Uint8 g, Uint8 b) {
    auto square = std::make_unique<SurfaceHolder>(
        CreateSurface(PathControl::SquareSize, PathControl::SquareSize, 0, PixelLayout::Rgb32));
    square->Fill(nullptr, r, g, b);
    return square;
}
}  // namespace

PathControl::PathControl() : trackSquare(MakeSquare(255, 255, 255)), first(nullptr), last(nullptr) {
    for (int c = 0; c < 4; ++c) {
        colourSquare[c] = MakeSquare(SeatColours[c].r, SeatColours[c].g, SeatColours[c].b);
    }
    // Building the path cannot fail today; the check keeps the message for when it can.
    // cppcheck-suppress knownConditionTrueFalse
    if (!Generate()) throw SDL_Exception("PathControl: Error generating game path!");
}

PathNode* PathControl::NewNode() {
    nodes.emplace_back();
    return &nodes.back();
}

bool PathControl::Generate() {
    int x = 6;
    int y = 230;
    for (int i = 0; i < TrackLength; ++i) {
        PathNode* node = NewNode();
        node->kind = KindTrack;
        node->x = x;
        node->y = y;
        Append(node);
        if (i % 13 == 0) node->branch = MakeHomeStretch(x, y, i / 13);
        Step step = StepAfter(i);
        x += CellSize * step.dx;
        y += CellSize * step.dy;
    }
    first->prev = last;
    last->next = first;
    return true;
}

void PathControl::Append(PathNode* node) {
    if (!first) {
        first = node;
    } else {
        last->next = node;
        node->prev = last;
    }
    last = node;
}

PathNode* PathControl::MakeHomeStretch(int x, int y, int colour) {
    if (colour < 0 || colour > 3) return nullptr;
    PathNode* head = nullptr;
    PathNode* previous = nullptr;
    for (int k = 0; k < 6; ++k) {
        x += CellSize * StretchDirection[colour][0];
        y += CellSize * StretchDirection[colour][1];
        PathNode* node = NewNode();
        node->kind = k == 5 ? KindFinal : colour;
        node->x = x;
        node->y = y;
        if (previous) {
            previous->next = node;
            node->prev = previous;
        } else {
            head = node;
        }
        previous = node;
    }
    return head;
}

PathNode* PathControl::GetStartNode(int colour) {
    PathNode* node = first;
    int counted = 0;
    for (int i = 0; i < TrackLength && node; ++i, node = node->next) {
        if (!node->branch) continue;
        if (counted == colour) return node->next ? node->next->next : nullptr;
        ++counted;
    }
    return nullptr;
}

void PathControl::Draw(SDL_Surface* target) {
    if (!target || !first) return;
    PathNode* node = first;
    for (int i = 0; i < TrackLength && node; ++i, node = node->next) {
        bool isStart = node->prev && node->prev->prev && node->prev->prev->branch;
        if (node->kind == KindTrack && !isStart) trackSquare->DrawOn(target, node->x, node->y);
        if (node->branch) DrawBranch(target, node);
    }
}

// A stretch is only ever made for a colour 0 to 3, and its first square has that colour.
void PathControl::DrawBranch(SDL_Surface* target, const PathNode* entry) {
    const SurfaceHolder* square = colourSquare[entry->branch->kind].get();
    const PathNode* start = entry->next->next;
    square->DrawOn(target, start->x, start->y);
    for (const PathNode* node = entry->branch; node; node = node->next) {
        if (node->kind != KindFinal) square->DrawOn(target, node->x, node->y);
    }
}
