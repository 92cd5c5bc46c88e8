#include <gtest/gtest.h>

#include <functional>

#include "SDL_Engine/Drawing.h"
#include "SDL_Engine/SurfaceHolder.h"
#include "support/SdlSession.h"
#include "support/TestSurface.h"

namespace {

const Uint32 Mark = 0x00FF8040;

struct CopyCase {
    const char* name;
    std::function<void(SurfaceHolder& source, SurfaceHolder& target)> copy;
    PixelSet expected;
};

void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }

class SurfaceHolderCopyTest : public ::testing::TestWithParam<CopyCase> {
  protected:
    SdlSession sdl;
};

// The source is 4 by 4 and black but for the mark at (2, 1); the target is 6 by 6 and black.
TEST_P(SurfaceHolderCopyTest, CopiesLandWhereAsked) {
    SurfaceHolder source(CreateFilledSurface(4, 4, 0, 0, 0));
    SurfaceHolder target(CreateFilledSurface(6, 6, 0, 0, 0));
    PutPixel(source.Get(), 2, 1, Mark);
    GetParam().copy(source, target);
    EXPECT_EQ(GetParam().expected, SetPixels(target.Get()));
}

using S = SurfaceHolder;

INSTANTIATE_TEST_SUITE_P(
    Variants, SurfaceHolderCopyTest,
    ::testing::Values(
        CopyCase{"whole onto surface", [](S& s, S& t) { s.DrawOn(t.Get(), 1, 2); }, {{3, 3}}},
        CopyCase{
            "part onto surface", [](S& s, S& t) { s.DrawOn(t.Get(), 0, 0, 2, 1, 2, 2); }, {{0, 0}}},
        CopyCase{
            "part without the mark", [](S& s, S& t) { s.DrawOn(t.Get(), 0, 0, 0, 0, 2, 4); }, {}},
        CopyCase{"whole onto holder", [](S& s, S& t) { s.DrawOn(&t, 3, 4); }, {{5, 5}}},
        CopyCase{"part onto holder", [](S& s, S& t) { s.DrawOn(&t, 4, 4, 1, 0, 3, 3); }, {{5, 5}}},
        CopyCase{"whole from surface", [](S& s, S& t) { t.DrawFrom(s.Get(), -2, 0); }, {{0, 1}}},
        CopyCase{"part from surface",
                 [](S& s, S& t) { t.DrawFrom(s.Get(), 5, 5, 2, 1, 1, 1); },
                 {{5, 5}}},
        CopyCase{"whole from holder", [](S& s, S& t) { t.DrawFrom(&s, 0, 0); }, {{2, 1}}},
        CopyCase{
            "part from holder", [](S& s, S& t) { t.DrawFrom(&s, 1, 1, 2, 0, 2, 2); }, {{1, 2}}},
        CopyCase{"position cut to 16 bits",
                 [](S& s, S& t) { s.DrawOn(t.Get(), 65536 + 1, 65536); },
                 {{3, 1}}},
        CopyCase{"no target or source",
                 [](S& s, S& t) {
                     s.DrawOn(static_cast<SDL_Surface*>(nullptr), 0, 0);
                     s.DrawOn(static_cast<SurfaceHolder*>(nullptr), 0, 0, 0, 0, 4, 4);
                     t.DrawFrom(static_cast<SDL_Surface*>(nullptr), 0, 0);
                     t.DrawFrom(static_cast<SurfaceHolder*>(nullptr), 0, 0, 0, 0, 4, 4);
                 },
                 {}}));

}  // namespace
