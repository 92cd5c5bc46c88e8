#include <gtest/gtest.h>

#include <vector>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/WindowUpdater.h"
#include "support/Pixels.h"
#include "support/SdlSession.h"

namespace {

class WindowUpdates : public testing::Test {
  protected:
    void Fill(int x, int y, int w, int h, Uint8 grey) {
        SDL_Rect rect = MakeRect(x, y, w, h);
        SDL_FillRect(screen, &rect, SDL_MapRGB(screen->format, grey, grey, grey));
    }
    // Shows a frame and answers what it sent as x, y, w, h of each rectangle in turn.
    std::vector<int> Show() {
        updater.Show(screen);
        std::vector<int> sent;
        for (const SDL_Rect& r : updater.LastSent()) sent.insert(sent.end(), {r.x, r.y, r.w, r.h});
        return sent;
    }

    SdlSession session;
    SDL_Surface* screen = session.Screen();
    WindowUpdater updater;
};

using Sent = std::vector<int>;

TEST_F(WindowUpdates, ChangesAreSentTightlyOnceNearbyOnesAsOneBandAndManyAsTheirBox) {
    updater.Show(nullptr);
    EXPECT_TRUE(updater.LastSent().empty());
    EXPECT_EQ((Sent{0, 0, 600, 600}), Show());  // the first frame, whole
    EXPECT_EQ(Sent{}, Show());
    Fill(100, 200, 1, 1, 90);   // one pixel
    Fill(590, 597, 10, 3, 90);  // the bottom right corner
    EXPECT_EQ((Sent{100, 200, 1, 1, 590, 597, 10, 3}), Show());
    EXPECT_EQ(Sent{}, Show());
    Fill(50, 100, 10, 1, 90);  // rows 8 apart join, 9 apart do not
    Fill(300, 108, 10, 1, 90);
    Fill(300, 117, 10, 1, 90);
    EXPECT_EQ((Sent{50, 100, 260, 9, 300, 117, 10, 1}), Show());
    for (int y = 0; y < 33 * 10; y += 10) Fill(y + 3, y + 7, 2, 1, 200);  // 33 bands: their box
    EXPECT_EQ((Sent{3, 7, 322, 321}), Show());
    for (int y = 0; y < 32 * 10; y += 10) Fill(y, y, 2, 1, 10);  // 32 bands go as they are
    EXPECT_EQ(32 * 4u, Show().size());
    updater.Forget();
    EXPECT_EQ((Sent{0, 0, 600, 600}), Show());
    SurfacePtr other = CreateSurface(600, 600, 0);  // a new screen of the same size and format
    BlitSurface(other.get(), screen, 0, 0);
    updater.Show(other.get());
    EXPECT_EQ(1u, updater.LastSent().size()) << "a new screen is sent whole";
}

// A picture moving end to end is sent whole every frame; once it stops, the window is brought
// up to date 40 rows a frame and then nothing more is sent.
TEST_F(WindowUpdates, MovingPictureIsSentWholeAndStillnessReturnsToNothingSent) {
    updater.Show(screen);
    for (Uint8 grey = 1; grey < 6; ++grey) {
        Fill(0, 0, 600, 600, grey);
        Fill(0, 300, 600, 1, 200);  // a row left alone but for its ends
        Fill(1, 300, 598, 1, 7);
        EXPECT_EQ((Sent{0, 0, 600, 600}), Show());
    }
    // Rows 40 to 79 were taken back on its last frame; then 40 more each frame.
    EXPECT_EQ((Sent{0, 0, 600, 40, 0, 80, 600, 520}), Show());
    for (int top = 80; top < 600; top += 40) EXPECT_EQ((Sent{0, top, 600, 600 - top}), Show());
    EXPECT_EQ(Sent{}, Show());
    Fill(0, 0, 600, 1, 99);  // a row that was sent whole, changed again
    EXPECT_EQ((Sent{0, 0, 600, 1}), Show());
    EXPECT_EQ((Sent{0, 0, 600, 1}), Show());
    EXPECT_EQ(Sent{}, Show());
}

}  // namespace
