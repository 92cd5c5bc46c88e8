#include "SDL_Engine/Text.h"

#include <algorithm>
#include <vector>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SurfaceHolder.h"

namespace {
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        std::string::size_type feed = text.find('\n', start);
        if (feed == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
}
}  // namespace

int GetLineSkip(const FontHolder* font) {
    return font && font->Get() ? TTF_FontLineSkip(font->Get()) : 0;
}

int GetTextHeight(const FontHolder* font, const std::string& text) {
    return GetLineSkip(font) * (1 + static_cast<int>(std::count(text.begin(), text.end(), '\n')));
}

int GetTextWidth(const FontHolder* font, const std::string& text) {
    if (!font || !font->Get()) return 0;
    int widest = 0;
    for (const std::string& line : SplitLines(text)) {
        int width = 0;
        if (TTF_SizeText(font->Get(), line.c_str(), &width, nullptr) == 0) {
            widest = std::max(widest, width);
        }
    }
    return widest;
}

SDL_Color Rgb(Uint8 r, Uint8 g, Uint8 b) {
    SDL_Color colour = SDL_Color();
    colour.r = r;
    colour.g = g;
    colour.b = b;
    return colour;
}

void DrawText(const FontHolder* font, SDL_Surface* target, SDL_Color colour, int x, int y,
              const std::string& text) {
    if (!font || !font->Get()) return;
    const int skip = GetLineSkip(font);
    std::vector<std::string> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        SurfaceHolder rendered(
            SurfacePtr(TTF_RenderText_Blended(font->Get(), lines[i].c_str(), colour)));
        rendered.DrawOn(target, x, y + static_cast<int>(i) * skip);
    }
}
