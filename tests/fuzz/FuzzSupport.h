#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Shell.h"
#include "support/FakeHttpClient.h"

namespace orvane::fuzz {

// The fuzzer's bytes as text.
inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Targets that read several files take them from one input, joined by this
// line; the seed script joins files the same way.
inline constexpr std::string_view kPartSeparator = "\n@@ORVANE-PART@@\n";

// Exactly `count` parts: missing ones are empty, extra separators stay in the
// last part.
inline std::vector<std::string> Parts(std::string_view input, std::size_t count) {
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const std::size_t at = input.find(kPartSeparator);
        if (at == std::string_view::npos) break;
        parts.emplace_back(input.substr(0, at));
        input.remove_prefix(at + kPartSeparator.size());
    }
    parts.emplace_back(input);
    parts.resize(count);
    return parts;
}

// A person who answers every question with its first button and never picks
// a folder.
class SilentShell : public Shell {
public:
    void ShowStatus(const StatusLine&) override {}
    void SetProgress(int) override {}
    Answer Ask(const Question& question) override {
        return question.buttons == Buttons::YesNo || question.buttons == Buttons::YesNoCancel
                   ? Answer::Yes
                   : Answer::Ok;
    }
    void Pause(std::chrono::milliseconds) override {}
    std::optional<std::filesystem::path> PickFolder(const std::string&) override {
        return std::nullopt;
    }
};

// A server that holds the given files and answers 404 for any other.
using FileServer = testing::FakeHttpClient;

// Stops the run with a report, as a sanitizer finding does, when a property
// that must hold for every input does not.
void Require(bool holds, const char* what);

}  // namespace orvane::fuzz
