#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

#include "shell/Shell.h"

namespace orvane::bench {

// A Shell for timed runs: shows nothing, answers Yes where the question
// offers it and OK otherwise, and counts the questions (in a benchmark each
// one is usually something that should not have happened).
class BenchShell : public Shell {
public:
    void ShowStatus(const StatusLine&) override {}
    void SetProgress(int) override {}
    Answer Ask(const Question& question) override {
        ++questions;
        const bool offersYes =
            question.buttons == Buttons::YesNo || question.buttons == Buttons::YesNoCancel;
        return offersYes ? Answer::Yes : Answer::Ok;
    }
    void Pause(std::chrono::milliseconds) override {}
    std::optional<std::filesystem::path> PickFolder(const std::string&) override {
        return std::nullopt;
    }

    int questions = 0;
};

}  // namespace orvane::bench
