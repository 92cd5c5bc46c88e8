#include "SDL_Engine/SDL_CheckBoxList.h"

#include <algorithm>

#include "SDL_Engine/FrameKey.h"
#include "SDL_Engine/Text.h"

SDL_CheckBoxList::SDL_CheckBoxList(const std::string& fontFile, const std::string& pictureFile,
                                   int fontSize, int left, int top, int w, int h)
    : SDL_Widget(pictureFile, left, top, w, h),
      rowHeight(h),
      font(std::make_unique<FontHolder>(fontFile, fontSize)) {
    rowHeight = std::max(h, GetLineSkip(font.get()));
}

void SDL_CheckBoxList::AddItem(const std::string& label, int value) {
    entries.push_back(
        Entry{std::make_unique<SDL_CheckBox>(image, 0, 0, width, height), label, value});
    Layout();
}

int SDL_CheckBoxList::GetSelected() {
    for (const Entry& entry : entries) {
        if (entry.box->IsChecked()) return entry.value;
    }
    return -1;
}

SDL_CheckBox* SDL_CheckBoxList::GetBox(std::size_t i) const {
    return i < entries.size() ? entries[i].box.get() : nullptr;
}

void SDL_CheckBoxList::Layout() {
    int widest = 0;
    for (const Entry& entry : entries)
        widest = std::max(widest, GetTextWidth(font.get(), entry.label));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        entries[i].box->SetX(x + widest + 5);
        entries[i].box->SetY(y + static_cast<int>(i) * rowHeight);
    }
}

bool SDL_CheckBoxList::OnMouseDown(int px, int py) {
    bool hit = false;
    for (Entry& entry : entries) {
        if (!entry.box->OnMouseMove(px, py)) continue;
        for (Entry& other : entries) {
            if (&other != &entry) other.box->SetChecked(false);
        }
        entry.box->OnMouseDown(px, py);
        hit = true;
    }
    return hit;
}

void SDL_CheckBoxList::Draw(SDL_Surface* screen) {
    if (!screen) return;
    const SDL_Color black = Rgb(0, 0, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        labels.Draw(font.get(), screen, black, x, y + static_cast<int>(i) * rowHeight,
                    entries[i].label);
        entries[i].box->Draw(screen);
    }
}

void SDL_CheckBoxList::AddToKey(FrameKey& key) const {
    for (const Entry& entry : entries) entry.box->AddToKey(key);
}
