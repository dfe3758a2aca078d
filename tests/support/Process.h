#pragma once

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

}  // namespace orvane::testing
