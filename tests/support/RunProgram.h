#ifndef TARVELLO_TESTS_RUN_PROGRAM_H
#define TARVELLO_TESTS_RUN_PROGRAM_H

#include <string>
#include <utility>
#include <vector>

// How a program run by RunProgram ended.
struct ProgramRun {
    int status = -1;     // the exit status, or -1 when the program did not end by itself
    std::string output;  // what it wrote on standard output
};

// Environment variables set for the program only: name, value.
using ProgramEnvironment = std::vector<std::pair<std::string, std::string>>;

// Runs program in folder and waits for it. After closeAfterMs (when not 0) it is asked to close
// as the desktop asks a program (a termination signal, or closing its window); after limitMs it
// is killed. One implementation per platform, chosen by the build.
ProgramRun RunProgram(const std::string& program, const std::string& folder, int closeAfterMs,
                      int limitMs, const ProgramEnvironment& environment = {});

#endif
