#include "support/TempFiles.h"

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

TempFolder::TempFolder() {
    // The process id keeps parallel test processes apart; the count, folders in one process.
    static int made = 0;
    std::filesystem::path base = std::filesystem::temp_directory_path();
    std::string stem = "tarvello-test-" + std::to_string(static_cast<long>(getpid())) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::filesystem::path candidate = base / (stem + std::to_string(made++));
        if (std::filesystem::create_directory(candidate)) {
            path = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

namespace {
void Put32(std::ofstream& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}
void Put16(std::ofstream& out, uint16_t value) {
    out.put(static_cast<char>(value & 0xFF));
    out.put(static_cast<char>(value >> 8));
}
}  // namespace

void WriteToneWav(const std::string& path, int ms) {
    const uint32_t rate = 44100;
    const uint32_t samples = rate * static_cast<uint32_t>(ms) / 1000;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    Put32(out, 36 + samples * 2);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, rate);
    Put32(out, rate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) {
        double wave = std::sin(2 * M_PI * 440.0 * i / rate);
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(wave * 3000)));
    }
}
