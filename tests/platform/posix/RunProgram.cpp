#include "support/RunProgram.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

ProgramRun RunProgram(const std::string& program, const std::string& folder, int closeAfterMs,
                      int limitMs, const ProgramEnvironment& environment) {
    int out[2];
    if (pipe(out) != 0) return {-1, ""};
    pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(folder.c_str()) != 0) _exit(127);
        // A fatal error ends the game at once without shutting the engine down, so what it had
        // loaded is still allocated at exit; a sanitizer build must not count that as a leak.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        for (const auto& setting : environment)
            setenv(setting.first.c_str(), setting.second.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string output;
    std::thread reader([&] {
        char buffer[4096];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    });
    int status = 0;
    auto start = std::chrono::steady_clock::now();
    bool asked = false;
    while (waitpid(child, &status, WNOHANG) == 0) {
        auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
        if (closeAfterMs && !asked && spent >= closeAfterMs) {
            kill(child, SIGTERM);
            asked = true;
        }
        if (spent > limitMs) kill(child, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    reader.join();
    close(out[0]);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}
