#include "support/TempFiles.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

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
