#include "TextRenderer.h"

#include <stdexcept>

#include "SDL_Engine/SurfaceLock.h"

TextRenderer::TextRenderer(const std::string& fontPath, int pointSize)
    : font(TTF_OpenFont(fontPath.c_str(), pointSize)) {
    if (!font) throw std::runtime_error("cannot open font " + fontPath + ": " + TTF_GetError());
}

TextRenderer::~TextRenderer() { TTF_CloseFont(font); }

Mask TextRenderer::Render(const std::string& text) const {
    SDL_Color white = {255, 255, 255, 0};
    SDL_Surface* surface = TTF_RenderUTF8_Blended(font, text.c_str(), white);
    if (!surface) throw std::runtime_error(std::string("cannot render text: ") + TTF_GetError());
    Mask mask(surface->w, surface->h);
    {
        const SurfaceLock lock(surface);
        if (!lock.Ok()) {
            SDL_FreeSurface(surface);
            throw std::runtime_error(std::string("cannot read rendered text: ") + SDL_GetError());
        }
        const SDL_PixelFormat* format = surface->format;
        for (int y = 0; y < surface->h; ++y) {
            const Uint32* row = reinterpret_cast<const Uint32*>(
                static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
            for (int x = 0; x < surface->w; ++x) {
                Uint32 alpha = (row[x] & format->Amask) >> format->Ashift;
                mask.Set(x, y, alpha / 255.0f);
            }
        }
    }
    SDL_FreeSurface(surface);
    return mask;
}

Mask TextRenderer::RenderSpaced(const std::string& text, int spacing) const {
    int total = 0, height = TTF_FontHeight(font);
    for (char letter : text) {
        int w = 0, h = 0;
        TTF_SizeUTF8(font, std::string(1, letter).c_str(), &w, &h);
        total += w + spacing;
    }
    Mask out(total - spacing, height);
    int x = 0;
    for (char letter : text) {
        Mask glyph = Render(std::string(1, letter));
        out.Place(glyph, x, 0);
        x += glyph.Width() + spacing;
    }
    return out;
}
