#ifndef TARVELLO_TUNNEL_EFFECT_H
#define TARVELLO_TUNNEL_EFFECT_H

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

#include "SDL_Engine/SurfacePtr.h"

// A picture wrapped around the inside of a tube seen from its open end, turning and streaming
// towards the viewer with the time while the point of view drifts. Everything costly is looked
// up in two tables built once, so a frame is a table walk and a pixel copy per pixel.
class TunnelEffect {
  public:
    // mode: 0 circular, 1 square, 2 diamond distance; d = 1 doubles the tables so the view can
    // drift. Raises SDL_Exception with SDL's error when the texture cannot be loaded.
    TunnelEffect(unsigned width, unsigned height, unsigned scale, int shape,
                 const std::string& texturePath);
    ~TunnelEffect();

    TunnelEffect(const TunnelEffect&) = delete;
    TunnelEffect& operator=(const TunnelEffect&) = delete;

    // Draws the frame for the current tick into the destination's top-left w by h pixels.
    void Draw(SDL_Surface* destination);

    // The table position the top-left pixel looks up at the given tick.
    std::pair<unsigned, unsigned> ViewAt(Uint32 ticks) const;

    unsigned TableWidth() const { return tableWidth; }
    unsigned TableHeight() const { return tableHeight; }
    // Texture row and column of a table position before the time shift.
    Uint16 DistanceEntry(unsigned x, unsigned y) const { return table.at(Index(x, y)).distance; }
    Uint16 AngleEntry(unsigned x, unsigned y) const { return table.at(Index(x, y)).angle; }
    SDL_Surface* GetTexture() const { return texture.get(); }

  private:
    struct Frame;
    // One position's lookups side by side, so a frame reads one table front to back.
    struct Entry {
        Uint16 angle;
        Uint16 distance;
    };

    std::size_t Index(unsigned x, unsigned y) const {
        return static_cast<std::size_t>(y) * tableWidth + x;
    }
    unsigned Distance(int dx, int dy) const;
    void BuildTables();
    void DrawFrame(Uint32 ticks, SDL_Surface* destination);
    void FillWrapMaps(const Frame& frame);
    void CopyWords(const Frame& frame, SDL_Surface* destination);
    void CopyPixels(const Frame& frame, SDL_Surface* destination) const;

    int mode;
    unsigned w;
    unsigned h;
    unsigned d;
    unsigned tableWidth;
    unsigned tableHeight;
    std::vector<Entry> table;
    SurfacePtr texture;
    // Per-frame maps of the fast copy: angle entry to texture column, distance entry to the
    // texel offset of its texture row, both with the time shift and the wrap applied.
    std::vector<Uint32> columnOf;
    std::vector<Uint32> rowStartOf;
};

#endif
