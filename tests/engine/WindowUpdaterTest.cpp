#include <gtest/gtest.h>

#include <vector>

#include "SDL_Engine/WindowUpdater.h"
#include "support/SdlSession.h"

namespace {

class WindowUpdates : public testing::Test {
  protected:
    void Fill(int x, int y, int w, int h, Uint8 grey) {
        SDL_Rect rect = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                         static_cast<Uint16>(h)};
        SDL_FillRect(screen, &rect, SDL_MapRGB(screen->format, grey, grey, grey));
    }
    // The screen's rows sent by the last Show, and the columns they covered.
    int RowsSent() const {
        int rows = 0;
        for (const SDL_Rect& r : updater.LastSent()) rows += r.h;
        return rows;
    }
    // Shows frames until one sends nothing; how many it took.
    int FramesUntilQuiet(int limit) {
        for (int frames = 1; frames <= limit; ++frames) {
            updater.Show(screen);
            if (updater.LastSent().empty()) return frames;
        }
        return limit + 1;
    }

    SdlSession session;
    SDL_Surface* screen = session.Screen();
    WindowUpdater updater;
};

TEST_F(WindowUpdates, FirstFrameAndFrameAfterForgetSendTheWholeScreen) {
    updater.Show(screen);
    ASSERT_EQ(1u, updater.LastSent().size());
    EXPECT_EQ(600, updater.LastSent()[0].w);
    EXPECT_EQ(600, updater.LastSent()[0].h);
    updater.Show(screen);
    EXPECT_TRUE(updater.LastSent().empty());
    updater.Forget();
    updater.Show(screen);
    EXPECT_EQ(600 * 600, updater.LastSent()[0].w * updater.LastSent()[0].h);
}

TEST_F(WindowUpdates, ChangedPixelsAreSentTightlyAndOnlyOnce) {
    Fill(0, 0, 600, 600, 10);
    updater.Show(screen);
    Fill(100, 200, 1, 1, 90);   // one pixel
    Fill(590, 597, 10, 3, 90);  // the bottom right corner
    updater.Show(screen);
    ASSERT_EQ(2u, updater.LastSent().size());
    const SDL_Rect a = updater.LastSent()[0], b = updater.LastSent()[1];
    EXPECT_EQ(100, a.x);
    EXPECT_EQ(200, a.y);
    EXPECT_EQ(1, a.w * a.h);
    EXPECT_EQ(590, b.x);
    EXPECT_EQ(597, b.y);
    EXPECT_EQ(10, b.w);
    EXPECT_EQ(3, b.h);
    updater.Show(screen);
    EXPECT_TRUE(updater.LastSent().empty());
}

TEST_F(WindowUpdates, NearbyChangesGoAsOneBandAndManyAsTheirBoundingBox) {
    Fill(0, 0, 600, 600, 10);
    updater.Show(screen);
    Fill(50, 100, 10, 1, 90);
    Fill(300, 104, 10, 1, 90);
    updater.Show(screen);
    ASSERT_EQ(1u, updater.LastSent().size());
    EXPECT_EQ(50, updater.LastSent()[0].x);
    EXPECT_EQ(260, updater.LastSent()[0].w);
    EXPECT_EQ(5, updater.LastSent()[0].h);
    for (int y = 0; y < 600; y += 12) Fill(y, y, 2, 1, 200);
    updater.Show(screen);
    ASSERT_EQ(1u, updater.LastSent().size());
    EXPECT_EQ(0, updater.LastSent()[0].x);
    EXPECT_EQ(589, updater.LastSent()[0].y + updater.LastSent()[0].h);
}

// A picture moving end to end is sent whole every frame; once it stops, the window is brought
// up to date in a few frames and then nothing more is sent.
TEST_F(WindowUpdates, MovingPictureIsSentWholeAndStillnessReturnsToNothingSent) {
    updater.Show(screen);
    for (Uint8 grey = 1; grey < 6; ++grey) {
        Fill(0, 0, 600, 600, grey);
        Fill(0, 300, 600, 1, 200);  // a row left alone but for its ends
        Fill(1, 300, 598, 1, 7);
        updater.Show(screen);
        EXPECT_EQ(600, RowsSent());
    }
    EXPECT_LE(FramesUntilQuiet(40), 20);
    Fill(0, 0, 600, 1, 99);  // a row that was sent whole, changed again
    updater.Show(screen);
    EXPECT_EQ(1, RowsSent());
    EXPECT_EQ(1, FramesUntilQuiet(40) - 1);
}

TEST_F(WindowUpdates, NullScreenSendsNothing) {
    updater.Show(nullptr);
    EXPECT_TRUE(updater.LastSent().empty());
}

}  // namespace
