// Runs one of the real programs as a child process with its standard streams on pipes.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

struct ProgramResult {
    bool exited = false; // false: it was still running at the deadline and was killed
    int status = -1;     // exit status when exited
    int signal = 0;      // terminating signal, if any
    std::string out;     // standard output
    std::string err;     // standard error
};

// Starts argv[0] with argv, writes input to its standard input and closes it, and collects
// both output streams until it ends or the timeout passes (then it is killed).
ProgramResult RunProgram(const std::vector<std::string>& argv, std::string_view input = {},
                         std::chrono::milliseconds timeout = std::chrono::seconds(10));
