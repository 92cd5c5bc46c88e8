// Compares screenshots taken elsewhere (the browser build's canvas) with the golden pictures,
// under the same tolerances as the screens' own tests; a failure writes the actual, expected and
// difference pictures into failed-pictures/ in the working folder.
// Usage: tarvello_picture_check <golden name> <screenshot.png> [<golden name> <screenshot.png>]...
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "support/Pictures.h"

namespace {

class Screenshot : public testing::Test {
  public:
    Screenshot(std::string name, std::string file)
        : golden(std::move(name)), path(std::move(file)) {}

    void TestBody() override {
        const Picture picture = ReadPicture(path);
        ASSERT_FALSE(picture.colours.empty()) << "cannot read " << path;
        ExpectPicture(golden, picture);
    }

  private:
    std::string golden, path;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s <golden name> <screenshot.png>...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], file = argv[i + 1];
        testing::RegisterTest("Screenshot", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                              [=]() -> testing::Test* { return new Screenshot(name, file); });
    }
    return RUN_ALL_TESTS();
}
