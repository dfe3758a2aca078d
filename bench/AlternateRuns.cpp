// Times two commands as processes, run by turns: ours, the yardstick, ours,
// the yardstick... so that a machine that others share slows both alike.
// Each run may be preceded by an untimed preparation (a shell command line).
// Prints one line: the median wall time of each in milliseconds, their ratio
// and the largest peak memory of ours in megabytes.
//
//   orvane_alternate [--runs N] [--prepare CMD] [--prepare-yardstick CMD]
//                    -- OURS ARG... -- YARDSTICK ARG...

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Command {
    std::vector<std::string> args;
    std::string prepare;
};

struct Run {
    double milliseconds = 0;
    double peakMegabytes = 0;
};

// Runs `args` with its output thrown away; fails unless it exits with 0.
Run Time(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + args[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) throw std::runtime_error("wait4 failed");
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(args[0] + " failed");
    return {elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

void Prepare(const std::string& commandLine) {
    if (commandLine.empty()) return;
    const std::string quiet = "(" + commandLine + ") > /dev/null 2>&1";
    if (std::system(quiet.c_str()) != 0) throw std::runtime_error("failed: " + commandLine);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int Usage() {
    std::fputs(
        "usage: orvane_alternate [--runs N] [--prepare CMD] [--prepare-yardstick CMD]\n"
        "                        -- OURS ARG... -- YARDSTICK ARG...\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 10;
    Command ours, yardstick;
    int i = 1;
    for (; i < argc && std::string(argv[i]) != "--"; i += 2) {
        if (i + 1 >= argc) return Usage();
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--runs") {
            runs = std::max(1, std::atoi(value.c_str()));
        } else if (option == "--prepare") {
            ours.prepare = value;
        } else if (option == "--prepare-yardstick") {
            yardstick.prepare = value;
        } else {
            return Usage();
        }
    }
    Command* filling = nullptr;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--" && filling != &yardstick) {
            filling = filling == nullptr ? &ours : &yardstick;
        } else if (filling != nullptr) {
            filling->args.push_back(arg);
        }
    }
    if (ours.args.empty() || yardstick.args.empty()) return Usage();

    try {
        // One untimed round first: files cached, pages touched.
        for (Command* command : {&ours, &yardstick}) {
            Prepare(command->prepare);
            Time(command->args);
        }
        std::vector<double> ourTimes, yardstickTimes;
        double peak = 0;
        for (int run = 0; run < runs; ++run) {
            Prepare(ours.prepare);
            const Run our = Time(ours.args);
            ourTimes.push_back(our.milliseconds);
            peak = std::max(peak, our.peakMegabytes);
            Prepare(yardstick.prepare);
            yardstickTimes.push_back(Time(yardstick.args).milliseconds);
        }
        const double a = Median(ourTimes), b = Median(yardstickTimes);
        std::printf("%.1f %.1f %.2f %.1f\n", a, b, a / b, peak);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvane_alternate: %s\n", error.what());
        return 1;
    }
    return 0;
}
