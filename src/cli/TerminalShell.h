#pragma once

#include <iosfwd>
#include <optional>

#include "shell/Language.h"
#include "shell/Shell.h"

namespace orvane::cli {

// The Shell of the terminal: status lines and progress are printed as they
// change; a question takes the answer given on the command line, else asks at
// a prompt when standard input is a terminal, else takes the safe answer.
// The answer named on the command line: --yes, --no or --cancel.
enum class GivenAnswer { Yes, No, Cancel };

class TerminalShell : public Shell {
public:
    TerminalShell(std::ostream& out, Language language, std::optional<GivenAnswer> givenAnswer,
                  bool showProgress);

    void ShowStatus(const StatusLine& line) override;
    void SetProgress(int position) override;
    Answer Ask(const Question& question) override;
    void Pause(std::chrono::milliseconds) override {}
    std::optional<std::filesystem::path> PickFolder(const std::string&) override {
        return std::nullopt;
    }

private:
    Answer Prompt(const Question& question);

    std::ostream& out_;
    Language language_;
    std::optional<GivenAnswer> givenAnswer_;
    bool showProgress_;
    int lastProgress_ = -1;
};

// No when the question allows it, else Cancel, else OK.
Answer SafeAnswer(Buttons buttons);
// --yes is OK on an OK / Cancel question; --no and --cancel stand for each
// other where only one of them is offered.
Answer ResolveGivenAnswer(GivenAnswer given, Buttons buttons);

}  // namespace orvane::cli
