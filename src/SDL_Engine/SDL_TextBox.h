#ifndef TARVELLO_SDL_TEXT_BOX_H
#define TARVELLO_SDL_TEXT_BOX_H

#include <memory>
#include <string>

#include "SDL_Engine/FontHolder.h"
#include "SDL_Engine/SDL_Widget.h"
#include "SDL_Engine/TextCache.h"

// A one-line text entry with a label in front. A press on the box gives it the keyboard, a
// press anywhere else takes it away; keys are read as a US keyboard.
class SDL_TextBox : public SDL_Widget {
  public:
    static constexpr int BoxWidth = 152;

    // Opens the font and makes the white box picture; raises SDL_Exception when it cannot.
    SDL_TextBox(const std::string& caption, const std::string& fontFile, int fontSize, int maxChars,
                int left, int top);

    // The box only, not the label.
    bool OnMouseMove(int x, int y) override;
    bool OnMouseDown(int x, int y) override;
    void Draw(SDL_Surface* screen) override;
    void AddToKey(FrameKey& key) const override;

    // Ignored unless the box has the keyboard.
    void OnKeyDown(SDL_keysym key);

    const std::string& GetText() const { return text; }
    // Texts already longer than n stay as they are.
    void SetMaxLength(unsigned n) { maxLength = n; }
    bool HasFocus() const { return focused; }
    int GetLabelWidth() const { return labelWidth; }

  private:
    SDL_TextBox(const std::string& caption, std::unique_ptr<FontHolder> font, int maxChars,
                int left, int top);
    void DrawTypedText(SDL_Surface* screen);

    std::unique_ptr<FontHolder> font;
    TextCache labelText;
    bool focused;
    int labelWidth;
    unsigned maxLength;
    std::string label;
    std::string text;
};

#endif
