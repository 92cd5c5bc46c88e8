#include "support/Recorded.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>

namespace {
const char* const kTable = TARVELLO_SOURCE_DIR "/tests/recorded.txt";

std::map<std::string, std::string> ReadTable() {
    std::map<std::string, std::string> table;
    std::ifstream in(kTable);
    for (std::string line; std::getline(in, line);) {
        const std::size_t space = line.find(' ');
        if (!line.empty() && line[0] != '#' && space != std::string::npos)
            table[line.substr(0, space)] = line.substr(space + 1);
    }
    return table;
}
}  // namespace

std::string Hex(std::uint64_t value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    return text;
}

void ExpectRecordedPixels(const std::string& name, const std::string& value) {
    // sdl12-compat calls itself 1.2.50 and later; classic SDL 1.2 ended at 1.2.15.
    const SDL_version* sdl = SDL_Linked_Version();
    const std::string version = "1.2." + std::to_string(sdl->patch);
    const std::string platform = TARVELLO_PIXEL_PLATFORM;
    std::string key = name;
    if (!platform.empty()) {
        key += "@" + platform + "-sdl-" + version;
    } else if (sdl->patch >= 50) {
        key += "@sdl12-compat-" + version;
    }
    if (!std::getenv("TARVELLO_RECORD") && ReadTable().count(key) == 0) {
        std::cout << "[ NOTE     ] no exact record of SDL " << version << " for " << key
                  << ": its pictures are compared with the golden ones only\n";
        return;
    }
    ExpectRecorded(key, value);
}

void ExpectRecorded(const std::string& name, const std::string& value) {
    std::map<std::string, std::string> table = ReadTable();
    if (std::getenv("TARVELLO_RECORD")) {
        table[name] = value;
        std::ofstream out(kTable);
        out << "# name value; how to record again: tests/support/Recorded.h\n";
        for (const auto& row : table) out << row.first << ' ' << row.second << '\n';
        return;
    }
    const auto row = table.find(name);
    ASSERT_TRUE(row != table.end()) << "nothing recorded for " << name << " in " << kTable;
    EXPECT_EQ(row->second, value) << "now: " << name << ' ' << value;
}
