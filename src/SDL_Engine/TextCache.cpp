#include "SDL_Engine/TextCache.h"

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/Text.h"

namespace {
// Past this many lines (names being typed, say) the cache starts afresh.
const std::size_t kMostLines = 64;
}  // namespace

TextCache::TextCache() = default;

TextCache::~TextCache() = default;

void TextCache::Draw(FontHolder* font, SDL_Surface* target, SDL_Color colour, int x, int y,
                     const std::string& text) {
    if (!font || !font->Get()) return;
    const int skip = GetLineSkip(font);
    std::string::size_type start = 0;
    for (int i = 0;; ++i) {
        const std::string::size_type feed = text.find('\n', start);
        const std::string line =
            text.substr(start, feed == std::string::npos ? feed : feed - start);
        if (!line.empty()) {
            Line(font, colour, line)->DrawOn(target, x, y + i * skip);
        }
        if (feed == std::string::npos) return;
        start = feed + 1;
    }
}

SurfaceHolder* TextCache::Line(FontHolder* font, SDL_Color colour, const std::string& line) {
    const Uint32 rgb = Uint32(colour.r) << 16 | Uint32(colour.g) << 8 | colour.b;
    Key key(font, rgb, line);
    auto found = lines.find(key);
    if (found != lines.end()) return found->second.get();
    if (lines.size() >= kMostLines) lines.clear();
    // A line the font cannot render raises SDL_Exception, as in DrawText.
    SurfacePtr surface(TTF_RenderText_Blended(font->Get(), line.c_str(), colour));
    auto rendered = std::make_unique<SurfaceHolder>(std::move(surface));
    return (lines[key] = std::move(rendered)).get();
}
