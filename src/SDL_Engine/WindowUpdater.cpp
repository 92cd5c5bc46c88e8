#include "SDL_Engine/WindowUpdater.h"

#include <algorithm>
#include <cstring>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SurfaceLock.h"

namespace {
// Bands of changed rows closer than this are sent as one: each rectangle costs a request.
const int kJoinGap = 8;
// More rectangles than this go as their bounding box.
const std::size_t kMostRects = 32;
// Rows changed end to end taken back into the copy per frame, so that a screen that stops
// moving soon costs nothing again.
const int kTakeInPerFrame = 40;
}  // namespace

// The copy is kept for the next ShowAll to overwrite; without a screen it matches nothing.
void WindowUpdater::Forget() { shownScreen = nullptr; }

void WindowUpdater::Show(SDL_Surface* screen) {
    sent.clear();
    if (!screen) return;
    // A true second buffer is flipped: its pixels are not the ones in the window.
    if ((screen->flags & SDL_DOUBLEBUF) == SDL_DOUBLEBUF || !screen->w || !screen->h) {
        Forget();
        SDL_Flip(screen);
        return;
    }
    {
        const SurfaceLock lock(screen);
        if (!lock.Ok()) {
            Forget();
            SDL_Flip(screen);
            return;
        }
        if (Matches(screen)) {
            FindChanges(screen);
        } else {
            ShowAll(screen);
        }
    }
    if (!sent.empty()) SDL_UpdateRects(screen, static_cast<int>(sent.size()), sent.data());
}

bool WindowUpdater::Matches(const SDL_Surface* screen) const {
    return shownScreen == screen && shownPitch == screen->pitch && shownW == screen->w &&
           shownH == screen->h && shownBytes == screen->format->BytesPerPixel && !shown.empty();
}

void WindowUpdater::ShowAll(SDL_Surface* screen) {
    shownScreen = screen;
    shownW = screen->w;
    shownH = screen->h;
    shownPitch = screen->pitch;
    shownBytes = screen->format->BytesPerPixel;
    const std::size_t rowBytes = static_cast<std::size_t>(shownW) * shownBytes;
    shown.resize(rowBytes * shownH);
    unknown.assign(shownH, false);
    const Uint8* pixels = static_cast<const Uint8*>(screen->pixels);
    for (int y = 0; y < shownH; ++y) {
        std::memcpy(&shown[y * rowBytes], pixels + y * shownPitch, rowBytes);
    }
    sent.push_back(MakeRect(0, 0, shownW, shownH));
}

// Compares each row with the one shown, keeps what changed and collects the changed bands.
void WindowUpdater::FindChanges(const SDL_Surface* screen) {
    const Uint8* pixels = static_cast<const Uint8*>(screen->pixels);
    int top = -1, bottom = -1, left = 0, right = 0;
    int takeIn = kTakeInPerFrame;
    for (int y = 0; y < shownH; ++y) {
        int first = 0, last = 0;
        if (!RowChanged(y, pixels + y * shownPitch, first, last, takeIn)) continue;
        if (top >= 0 && y - bottom <= kJoinGap) {
            left = std::min(left, first);
            right = std::max(right, last);
        } else {
            if (top >= 0) AddBand(top, bottom, left, right);
            top = y;
            left = first;
            right = last;
        }
        bottom = y;
    }
    if (top >= 0) AddBand(top, bottom, left, right);
    JoinIfMany();
}

// Whether row y must be sent, and if so its first and last pixel to send.
bool WindowUpdater::RowChanged(int y, const Uint8* now, int& first, int& last, int& takeIn) {
    const std::size_t rowBytes = static_cast<std::size_t>(shownW) * shownBytes;
    Uint8* before = &shown[y * rowBytes];
    if (unknown[y]) {
        if (takeIn > 0) {
            --takeIn;
            std::memcpy(before, now, rowBytes);
            unknown[y] = false;
        }
        first = 0;
        last = shownW - 1;
        return true;
    }
    if (std::memcmp(now, before, rowBytes) == 0) return false;
    std::size_t a = 0, b = rowBytes - 1;
    while (now[a] == before[a]) ++a;
    while (now[b] == before[b]) --b;
    first = static_cast<int>(a / shownBytes);
    last = static_cast<int>(b / shownBytes);
    if (first == 0 && last == shownW - 1) {
        unknown[y] = true;
    } else {
        std::memcpy(before + a, now + a, b - a + 1);
    }
    return true;
}

void WindowUpdater::AddBand(int top, int bottom, int left, int right) {
    sent.push_back(MakeRect(left, top, right - left + 1, bottom - top + 1));
}

void WindowUpdater::JoinIfMany() {
    if (sent.size() <= kMostRects) return;
    int x0 = shownW, y0 = shownH, x1 = 0, y1 = 0;
    for (const SDL_Rect& r : sent) {
        x0 = std::min(x0, static_cast<int>(r.x));
        y0 = std::min(y0, static_cast<int>(r.y));
        x1 = std::max(x1, r.x + r.w);
        y1 = std::max(y1, r.y + r.h);
    }
    sent.assign(1, MakeRect(x0, y0, x1 - x0, y1 - y0));
}
