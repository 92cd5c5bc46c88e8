#ifndef TARVELLO_TEXT_CACHE_H
#define TARVELLO_TEXT_CACHE_H

#include <SDL.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

class FontHolder;
class SurfaceHolder;

// Lines of text rendered once and drawn again from then on, for words that stay the same from
// frame to frame (labels, menu entries, counters). Its owner keeps the fonts it is given alive
// for as long as the cache.
class TextCache {
  public:
    TextCache();
    ~TextCache();

    TextCache(const TextCache&) = delete;
    TextCache& operator=(const TextCache&) = delete;

    // Draws exactly what DrawText draws.
    void Draw(FontHolder* font, SDL_Surface* target, SDL_Color colour, int x, int y,
              const std::string& text);

  private:
    using Key = std::tuple<FontHolder*, Uint32, std::string>;

    SurfaceHolder* Line(FontHolder* font, SDL_Color colour, const std::string& line);

    std::map<Key, std::unique_ptr<SurfaceHolder>> lines;  // owned
};

#endif
