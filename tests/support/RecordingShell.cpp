#include "support/RecordingShell.h"

#include <gtest/gtest.h>

namespace orvane::testing {

Answer RecordingShell::Ask(const Question& question) {
    events_.emplace_back(question);
    if (question.buttons == Buttons::Ok) return Answer::Ok;
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << question.title << " / " << question.text;
        return Answer::Cancel;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::filesystem::path> RecordingShell::PickFolder(const std::string& prompt) {
    folderPrompts_.push_back(prompt);
    if (folders_.empty()) {
        ADD_FAILURE() << "unexpected folder pick";
        return std::nullopt;
    }
    auto folder = folders_.front();
    folders_.pop_front();
    return folder;
}

std::vector<int> RecordingShell::progress() const {
    std::vector<int> positions;
    for (const ProgressEvent& event : Only<ProgressEvent>()) positions.push_back(event.position);
    return positions;
}

}  // namespace orvane::testing

namespace orvane {

void PrintTo(const StatusLine& line, std::ostream* out) {
    *out << "{" << line.stringId << ", \"" << line.text << "\"}";
}

void PrintTo(const Question& question, std::ostream* out) {
    *out << "{\"" << question.text << "\", \"" << question.title << "\", "
         << static_cast<int>(question.buttons) << "}";
}

}  // namespace orvane
