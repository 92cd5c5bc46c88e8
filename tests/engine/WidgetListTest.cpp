#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SDL_Engine/ResourceCounters.h"
#include "SDL_Engine/SDL_Widget.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "SDL_Engine/WidgetList.h"
#include "support/SdlSession.h"
#include "support/TestPictures.h"

namespace {
// A widget that writes what happens to it into a shared log.
class LoggingWidget : public SDL_Widget {
  public:
    LoggingWidget(std::vector<std::string>* log, const std::string& name, int x, int y, int w,
                  int h)
        : SDL_Widget(static_cast<SurfaceHolder*>(nullptr), x, y, w, h), log(log), name(name) {}
    ~LoggingWidget() override { log->push_back(name + " deleted"); }

    bool OnMouseDown(int x, int y) override {
        log->push_back(name + (OnMouseMove(x, y) ? " pressed" : " missed"));
        return false;
    }
    void OnMouseUp(int, int) override { log->push_back(name + " released"); }
    void Draw(SDL_Surface*) override { log->push_back(name + " drawn"); }

  private:
    std::vector<std::string>* log;  // borrowed from the test
    std::string name;
};

// A widget with only the base behaviour, to test the hit test itself.
class PlainWidget : public SDL_Widget {
  public:
    using SDL_Widget::SDL_Widget;
    void Draw(SDL_Surface*) override {}
};

struct HitCase {
    int x, y;
    bool inside;
};

void PrintTo(const HitCase& c, std::ostream* out) { *out << "(" << c.x << ", " << c.y << ")"; }

class WidgetHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(WidgetHitTest, RightAndBottomEdgesAreOutside) {
    PlainWidget widget(static_cast<SurfaceHolder*>(nullptr), 10, 20, 30, 40);
    EXPECT_EQ(GetParam().inside, widget.OnMouseMove(GetParam().x, GetParam().y));
}

INSTANTIATE_TEST_SUITE_P(Edges, WidgetHitTest,
                         testing::Values(HitCase{10, 20, true}, HitCase{39, 59, true},
                                         HitCase{40, 20, false}, HitCase{10, 60, false},
                                         HitCase{9, 20, false}, HitCase{10, 19, false},
                                         HitCase{-5, -5, false}),
                         [](const testing::TestParamInfo<HitCase>& info) {
                             return "Point" + std::to_string(info.index) +
                                    (info.param.inside ? "Inside" : "Outside");
                         });

TEST(WidgetList, EveryWidgetReceivesEveryPressInInsertionOrder) {
    std::vector<std::string> log;
    {
        WidgetList list;
        list.Add(new LoggingWidget(&log, "first", 0, 0, 50, 50));
        list.Add(nullptr);
        list.Add(new LoggingWidget(&log, "second", 25, 25, 50, 50));
        list.MouseDown(30, 30);
        list.MouseDown(5, 5);
        list.MouseUp(30, 30);
    }
    const std::vector<std::string> expected = {"first pressed", "second pressed", "first pressed",
                                               "second missed", "first released", "second released",
                                               "first deleted", "second deleted"};
    EXPECT_EQ(expected, log);
}

TEST(WidgetList, DrawAllPaintsInOrderAndNullScreenCallsNobody) {
    SdlSession sdl;
    std::vector<std::string> log;
    WidgetList list;
    list.Add(new LoggingWidget(&log, "first", 0, 0, 5, 5));
    list.Add(new LoggingWidget(&log, "second", 0, 0, 5, 5));
    list.DrawAll(nullptr);
    EXPECT_TRUE(log.empty());
    list.DrawAll(sdl.Screen());
    EXPECT_EQ((std::vector<std::string>{"first drawn", "second drawn"}), log);
}

TEST(WidgetList, DeletingFreesOwnedPicturesButNotSharedOnes) {
    SdlSession sdl;
    const std::string path = MakeFramePicture("widget", 8, 8, {Rgb(1, 2, 3)});
    const int before = SurfaceCount;
    SurfaceHolder shared(path);
    {
        WidgetList list;
        list.Add(new PlainWidget(&shared, 0, 0, 8, 8));
        list.Add(new PlainWidget(&shared, 8, 0, 8, 8));
        list.Add(new PlainWidget(path, 16, 0, 8, 8));
        EXPECT_EQ(before + 2, SurfaceCount);
    }
    EXPECT_EQ(before + 1, SurfaceCount);
    EXPECT_NE(nullptr, shared.Get());
}
}  // namespace
