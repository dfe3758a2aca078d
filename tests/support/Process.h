#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end with extra environment entries ("NAME=value")
// and returns what it printed. Standard input is /dev/null.
ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnvironment = {});

// As RunProcess, but a child still running after `killAfter` is killed with
// SIGKILL (its exit code is then 128 + 9).
ProcessResult RunProcessKilledAfter(const std::vector<std::string>& argv,
                                    std::chrono::microseconds killAfter,
                                    const std::vector<std::string>& extraEnvironment = {});

}  // namespace orvane::testing
