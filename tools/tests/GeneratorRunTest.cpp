// A fresh run of the generator writes the same bytes as the run that made the build's data.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::set<fs::path> FilesUnder(const fs::path& folder) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder));
    }
    return files;
}

TEST(Generator, WritesTheSameBytesOnEveryRun) {
    const fs::path fresh =
        fs::temp_directory_path() / ("tarvello-datagen-" + std::to_string(getpid()));
    fs::remove_all(fresh);
    const std::string command =
        std::string(TARVELLO_DATAGEN) + " " + fresh.string() + " >/dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    const std::set<fs::path> written = FilesUnder(fresh);
    EXPECT_GE(written.size(), 19u);
    for (const fs::path& name : written) {
        const fs::path built = fs::path(TARVELLO_DATA_DIR) / name;
        ASSERT_TRUE(fs::exists(built)) << name;
        EXPECT_TRUE(Contents(fresh / name) == Contents(built)) << name << " differs between runs";
    }
    fs::remove_all(fresh);
}

}  // namespace
