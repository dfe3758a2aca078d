#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

// What the status line shows: a string-table message (its Korean id) or a text
// formatted at run time (id 0).
struct StatusLine {
    int stringId = 0;
    std::string text;

    bool operator==(const StatusLine&) const = default;
};

struct Question {
    std::string text;
    std::string title;
    Buttons buttons = Buttons::Ok;

    bool operator==(const Question&) const = default;
};

// How the core reaches the person in front of the program. The core decides
// every text and number; a front end only shows them and returns the answers.
class Shell {
public:
    virtual ~Shell() = default;

    virtual void ShowStatus(const StatusLine& line) = 0;
    // 0 to 1000.
    virtual void SetProgress(int position) = 0;
    virtual Answer Ask(const Question& question) = 0;
    // A short wait in which the window repaints; a terminal may skip it.
    virtual void Pause(std::chrono::milliseconds duration) = 0;
    // The folder the person picked, or nothing when they cancelled. The
    // prompt may be empty.
    virtual std::optional<std::filesystem::path> PickFolder(const std::string& prompt) = 0;
};

}  // namespace orvane
