#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "shell/Shell.h"

namespace orvane::testing {

struct ProgressEvent {
    int position;
};
using ShellEvent = std::variant<StatusLine, ProgressEvent, Question>;

// A Shell that records everything the core shows and answers questions and
// folder picks from a script. A question with a choice that the script did
// not foresee fails the test; a plain message is answered OK.
class RecordingShell : public Shell {
public:
    void ShowStatus(const StatusLine& line) override { events_.emplace_back(line); }
    void SetProgress(int position) override { events_.emplace_back(ProgressEvent{position}); }
    Answer Ask(const Question& question) override;
    void Pause(std::chrono::milliseconds) override {}
    std::optional<std::filesystem::path> PickFolder(const std::string& prompt) override;

    void ScriptAnswers(std::initializer_list<Answer> answers) {
        answers_.insert(answers_.end(), answers);
    }
    void ScriptFolder(std::optional<std::filesystem::path> folder) {
        folders_.push_back(std::move(folder));
    }

    std::vector<StatusLine> statuses() const { return Only<StatusLine>(); }
    std::vector<Question> questions() const { return Only<Question>(); }
    std::vector<int> progress() const;
    const std::vector<std::string>& folderPrompts() const { return folderPrompts_; }
    void Clear() { events_.clear(); }

private:
    template <typename Event>
    std::vector<Event> Only() const {
        std::vector<Event> found;
        for (const ShellEvent& event : events_) {
            if (const auto* wanted = std::get_if<Event>(&event)) found.push_back(*wanted);
        }
        return found;
    }

    std::vector<ShellEvent> events_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::filesystem::path>> folders_;
    std::vector<std::string> folderPrompts_;
};

}  // namespace orvane::testing

namespace orvane {
// Readable failure messages for the shell's values.
void PrintTo(const StatusLine& line, std::ostream* out);
void PrintTo(const Question& question, std::ostream* out);
}  // namespace orvane
