#ifndef TARVELLO_SDL_CHECK_BOX_LIST_H
#define TARVELLO_SDL_CHECK_BOX_LIST_H

#include <memory>
#include <string>
#include <vector>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SDL_CheckBox.h"
#include "SDL_Engine/SDL_Widget.h"
#include "SDL_Engine/TextCache.h"

// A column of labelled check boxes of which at most one is checked; each carries a value.
// The widget's position is the top-left of the labels, its size that of one box.
class SDL_CheckBoxList : public SDL_Widget {
  public:
    // Loads the box picture (shared by every box) and the labels' font; raises SDL_Exception
    // when either cannot be loaded.
    SDL_CheckBoxList(const std::string& fontFile, const std::string& pictureFile, int fontSize,
                     int left, int top, int w, int h);

    void AddItem(const std::string& label, int value);
    // The value of the first checked entry; -1 when none is checked.
    int GetSelected();

    bool OnMouseDown(int x, int y) override;
    void Draw(SDL_Surface* screen) override;
    void AddToKey(FrameKey& key) const override;

    int GetRowHeight() const { return rowHeight; }
    std::size_t Size() const { return entries.size(); }
    // The box of entry i (null when out of range); it stays owned by the list.
    SDL_CheckBox* GetBox(std::size_t i) const;

  private:
    struct Entry {
        std::unique_ptr<SDL_CheckBox> box;
        std::string label;
        int value = 0;
    };

    void Layout();

    int rowHeight;
    std::unique_ptr<FontHolder> font;
    TextCache labels;
    std::vector<Entry> entries;
};

#endif
