#include "support/RunProgram.h"

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {
// Asks each top-level window of the process to close, as its close button does.
BOOL CALLBACK CloseWindowOf(HWND window, LPARAM process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(process)) PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}
}  // namespace

ProgramRun RunProgram(const std::string& program, const std::string& folder, int closeAfterMs,
                      int limitMs, const ProgramEnvironment& environment) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return {-1, ""};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::string command = "\"" + program + "\"";
    // A real window, so the program can be asked to close as a person closes it; the log goes to
    // the pipe instead of stdout.txt beside the program. Each test runs in a process of its own,
    // so what is set here for the program need not be put back.
    _putenv_s("SDL_VIDEODRIVER", "");
    _putenv_s("SDL_STDIO_REDIRECT", "0");
    for (const auto& setting : environment)
        _putenv_s(setting.first.c_str(), setting.second.c_str());
    const BOOL started = CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, folder.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return {-1, ""};
    }
    std::string output;
    std::thread reader([&] {
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0)
            output.append(buffer, n);
    });
    auto start = std::chrono::steady_clock::now();
    bool killed = false;
    while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT) {
        auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::steady_clock::now() - start)
                         .count();
        // Asked again until it goes, since the window may not be there yet at the first asking.
        if (closeAfterMs && spent >= closeAfterMs) {
            EnumWindows(CloseWindowOf, static_cast<LPARAM>(process.dwProcessId));
        }
        if (spent > limitMs && !killed) {
            TerminateProcess(process.hProcess, 255);
            killed = true;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    reader.join();
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Read as text, the way the log reads in stdout.txt: the runtime wrote its lines with CRLF.
    std::string text;
    for (size_t i = 0; i < output.size(); ++i) {
        if (output[i] != '\r' || i + 1 == output.size() || output[i + 1] != '\n') text += output[i];
    }
    return {killed ? -1 : static_cast<int>(code), text};
}
