#include "SDL_Engine/TunnelEffect.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

#include "SDL_Engine/Clock.h"
#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SDL_Exception.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/SurfaceLock.h"

namespace {

SurfacePtr LoadTexture(const std::string& path) {
    SurfacePtr texture = LoadDisplayImage(path);
    if (!texture) throw SDL_Exception(SDL_GetError());
    // The wrap divides by the texture's sides, so a picture without pixels cannot be used.
    if (texture->w == 0 || texture->h == 0) throw SDL_Exception("Texture has no pixels: " + path);
    return texture;
}

// The texture is in the display format with alpha, always four bytes a pixel, and a 32-bit
// surface's rows always start on a word.
bool CanCopyWords(const SDL_Surface* destination) {
    return destination->format->BytesPerPixel == 4;
}

}  // namespace

// What one frame looks up: where the view starts in the tables, the time shift already wrapped
// into the texture, and how much of the destination is drawn.
struct TunnelEffect::Frame {
    Uint32 ticks = 0;
    unsigned viewX = 0, viewY = 0;
    unsigned columnShift = 0, rowShift = 0;
    unsigned columns = 0, rows = 0;
};

TunnelEffect::TunnelEffect(unsigned width, unsigned height, unsigned scale, int shape,
                           const std::string& texturePath)
    : mode(shape),
      w(width),
      h(height),
      // The tables only ever double; a larger scale would overflow their size.
      d(scale ? 1 : 0),
      tableWidth(width << this->d),
      tableHeight(height << this->d),
      texture(LoadTexture(texturePath)) {
    BuildTables();
    // Angle entries run up to tw, distance entries below tw (they are cut to 16 bits).
    const unsigned tw = static_cast<unsigned>(texture->w);
    columnOf.resize(std::min(tw, 65535u) + 1);
    rowStartOf.resize(std::min(tw, 65536u));
}

TunnelEffect::~TunnelEffect() = default;

unsigned TunnelEffect::Distance(int dx, int dy) const {
    long long r = 0;
    const long long ax = std::llabs(dx), ay = std::llabs(dy);
    if (mode == 0) r = static_cast<long long>(std::sqrt(static_cast<double>(ax * ax + ay * ay)));
    if (mode == 1) r = std::max(ax, ay);
    if (mode == 2) r = (ax + ay) / 2;
    return static_cast<unsigned>(std::max(r, 1LL));
}

void TunnelEffect::BuildTables() {
    const unsigned tw = static_cast<unsigned>(texture->w);
    const int cx = static_cast<int>(d == 1 ? w : w / 2);
    const int cy = static_cast<int>(d == 1 ? h : h / 2);
    const double halfTurn = tw / 2;
    table.resize(static_cast<std::size_t>(tableWidth) * tableHeight);
    std::size_t i = 0;
    for (unsigned y = 0; y < tableHeight; ++y) {
        const int dy = static_cast<int>(y) - cy;
        for (unsigned x = 0; x < tableWidth; ++x, ++i) {
            const int dx = static_cast<int>(x) - cx;
            table[i].distance = static_cast<Uint16>((tw * 64) / Distance(dx, dy) % tw);
            const double turn = (std::atan2(dy, dx) / 3.1415927 + 1.0) * halfTurn;
            table[i].angle = static_cast<Uint16>(static_cast<unsigned>(turn));
        }
    }
}

std::pair<unsigned, unsigned> TunnelEffect::ViewAt(Uint32 ticks) const {
    const double x = d * (std::sin(ticks * 0.000645234) + 1) * (w / 2);
    const double y = d * (std::sin(ticks * 0.000445234) + 1) * (h / 2);
    return {static_cast<unsigned>(x), static_cast<unsigned>(y)};
}

void TunnelEffect::Draw(SDL_Surface* destination) {
    // A surface that cannot be locked has no pixels to touch, so the frame is skipped.
    if (!destination) return;
    const SurfaceLock destinationLock(destination);
    if (!destinationLock.Ok()) return;
    const SurfaceLock textureLock(texture.get());
    if (textureLock.Ok()) DrawFrame(Clock::Ticks(), destination);
}

void TunnelEffect::DrawFrame(Uint32 ticks, SDL_Surface* destination) {
    Frame frame;
    frame.ticks = ticks;
    std::tie(frame.viewX, frame.viewY) = ViewAt(ticks);
    // (entry + ticks / 8) % tw equals (entry + shift) % tw with the shift reduced once here.
    frame.columnShift = ticks / 8 % static_cast<unsigned>(texture->w);
    frame.rowShift = ticks / 4 % static_cast<unsigned>(texture->h);
    frame.columns = std::min(w, static_cast<unsigned>(destination->w));
    frame.rows = std::min(h, static_cast<unsigned>(destination->h));
    if (CanCopyWords(destination)) {
        CopyWords(frame, destination);
    } else {
        CopyPixels(frame, destination);
    }
}

// columnOf[a] = (a + shift) % tw and rowStartOf[r] = ((r + shift) % th) * pitch, counted up
// with a wrap rather than divided out, the maps being walked in order.
void TunnelEffect::FillWrapMaps(const Frame& frame) {
    const unsigned tw = static_cast<unsigned>(texture->w);
    const unsigned th = static_cast<unsigned>(texture->h);
    const unsigned texelPitch = texture->pitch / texture->format->BytesPerPixel;
    unsigned column = frame.columnShift;
    for (Uint32& entry : columnOf) {
        entry = column;
        if (++column == tw) column = 0;
    }
    unsigned row = frame.rowShift;
    for (Uint32& entry : rowStartOf) {
        entry = row * texelPitch;
        if (++row == th) row = 0;
    }
}

// The frame on 32-bit pixels through row pointers. The time shift and the wrap at the texture's
// edges go into two small maps once per frame, from an angle entry to its column and from a
// distance entry to its row's first texel, so a pixel is four reads and a copy.
void TunnelEffect::CopyWords(const Frame& frame, SDL_Surface* destination) {
    FillWrapMaps(frame);
    const Uint32* texels = static_cast<const Uint32*>(texture->pixels);
    const Uint32* columns = columnOf.data();
    const Uint32* rowStarts = rowStartOf.data();
    const unsigned width = frame.columns;
    for (unsigned y = 0; y < frame.rows; ++y) {
        const Entry* entries = table.data() + Index(frame.viewX, y + frame.viewY);
        Uint32* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(destination->pixels) +
                                                y * destination->pitch);
        for (unsigned x = 0; x < width; ++x) {
            out[x] = texels[rowStarts[entries[x].distance] + columns[entries[x].angle]];
        }
    }
}

// Any other pixel sizes: the plain formula, one raw value copied per pixel.
void TunnelEffect::CopyPixels(const Frame& frame, SDL_Surface* destination) const {
    const unsigned tw = static_cast<unsigned>(texture->w);
    const unsigned th = static_cast<unsigned>(texture->h);
    for (unsigned y = 0; y < frame.rows; ++y) {
        for (unsigned x = 0; x < frame.columns; ++x) {
            const std::size_t i = Index(x + frame.viewX, y + frame.viewY);
            const unsigned u = (table[i].angle + frame.ticks / 8) % tw;
            const unsigned v = (table[i].distance + frame.ticks / 4) % th;
            PutPixel(destination, static_cast<int>(x), static_cast<int>(y),
                     GetPixel(texture.get(), static_cast<int>(u), static_cast<int>(v)));
        }
    }
}
