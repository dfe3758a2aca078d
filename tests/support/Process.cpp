#include "support/Process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "support/TempFolder.h"

extern char** environ;

namespace orvane::testing {

namespace {

std::string_view VariableName(std::string_view entry) { return entry.substr(0, entry.find('=')); }

// The child sees only the locale a test gives it, whatever the developer's
// shell has set, and a variable the test gives replaces the inherited one:
// the first of two equal names is the one a program reads.
bool Inherited(std::string_view entry, const std::vector<std::string>& extraEnvironment) {
    const std::string_view name = VariableName(entry);
    if (name == "LANG" || name == "LANGUAGE" || name.starts_with("LC_")) return false;
    for (const std::string& extra : extraEnvironment)
        if (VariableName(extra) == name) return false;
    return true;
}

ProcessResult Run(const std::vector<std::string>& argv,
                  const std::vector<std::string>& extraEnvironment,
                  std::optional<std::chrono::microseconds> killAfter) {
    // Output goes through files, not pipes, so a chatty child can never block
    // on a full pipe while we wait for it.
    TempFolder scratch;
    const auto outPath = scratch.path() / "out";
    const auto errPath = scratch.path() / "err";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    std::vector<char*> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (Inherited(*entry, extraEnvironment)) environment.push_back(*entry);
    for (const std::string& entry : extraEnvironment)
        environment.push_back(const_cast<char*>(entry.c_str()));
    environment.push_back(nullptr);

    pid_t child = 0;
    const int spawnError =
        posix_spawn(&child, args[0], &actions, nullptr, args.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0) throw std::runtime_error("cannot start " + argv.front());

    int status = 0;
    bool reaped = false;
    if (killAfter) {
        const auto deadline = std::chrono::steady_clock::now() + *killAfter;
        while (!reaped) {
            const pid_t ended = waitpid(child, &status, WNOHANG);
            reaped = ended == child;
            if (reaped || (ended < 0 && errno != EINTR)) break;
            if (std::chrono::steady_clock::now() >= deadline) {
                kill(child, SIGKILL);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    while (!reaped) {
        reaped = waitpid(child, &status, 0) == child;
        if (!reaped && errno != EINTR) break;
    }
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadWholeFile(outPath);
    result.err = ReadWholeFile(errPath);
    return result;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnvironment) {
    return Run(argv, extraEnvironment, std::nullopt);
}

ProcessResult RunProcessKilledAfter(const std::vector<std::string>& argv,
                                    std::chrono::microseconds killAfter,
                                    const std::vector<std::string>& extraEnvironment) {
    return Run(argv, extraEnvironment, killAfter);
}

}  // namespace orvane::testing
