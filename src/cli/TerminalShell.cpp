#include "cli/TerminalShell.h"

#include <unistd.h>

#include <iostream>
#include <string>

#include "shell/FrontEndTexts.h"
#include "util/TextDecoding.h"

namespace orvane::cli {
namespace {

std::string_view ButtonsHint(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return "[o]k";
        case Buttons::YesNo: return "[y]es/[n]o";
        case Buttons::YesNoCancel: return "[y]es/[n]o/[c]ancel";
        case Buttons::OkCancel: return "[o]k/[c]ancel";
    }
    return "";
}

TextPair AnswerName(Answer answer) {
    switch (answer) {
        case Answer::Ok: return text::AnswerOk;
        case Answer::Cancel: return text::AnswerCancel;
        case Answer::Yes: return text::AnswerYes;
        case Answer::No: return text::AnswerNo;
    }
    return text::AnswerOk;
}

std::optional<Answer> AnswerFromKey(char key) {
    switch (key) {
        case 'o': case 'O': return Answer::Ok;
        case 'c': case 'C': return Answer::Cancel;
        case 'y': case 'Y': return Answer::Yes;
        case 'n': case 'N': return Answer::No;
        default: return std::nullopt;
    }
}

bool Offers(Buttons buttons, Answer answer) {
    switch (buttons) {
        case Buttons::Ok: return answer == Answer::Ok;
        case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
        case Buttons::YesNoCancel: return answer != Answer::Ok;
        case Buttons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
    }
    return false;
}

}  // namespace

Answer SafeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;
        case Buttons::YesNoCancel:
        case Buttons::OkCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

Answer ResolveGivenAnswer(GivenAnswer given, Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return given == GivenAnswer::Yes ? Answer::Yes : Answer::No;
        case Buttons::YesNoCancel:
            if (given == GivenAnswer::Yes) return Answer::Yes;
            return given == GivenAnswer::No ? Answer::No : Answer::Cancel;
        case Buttons::OkCancel: return given == GivenAnswer::Yes ? Answer::Ok : Answer::Cancel;
    }
    return SafeAnswer(buttons);
}

TerminalShell::TerminalShell(std::ostream& out, Language language,
                             std::optional<GivenAnswer> givenAnswer, bool showProgress)
    : out_(out), language_(language), givenAnswer_(givenAnswer), showProgress_(showProgress) {}

void TerminalShell::ShowStatus(const StatusLine& line) {
    out_ << DisplayText(line.text) << '\n' << std::flush;
}

void TerminalShell::SetProgress(int position) {
    if (!showProgress_ || position == lastProgress_) return;
    lastProgress_ = position;
    out_ << "[" << position / 10 << "." << position % 10 << "%]\n" << std::flush;
}

Answer TerminalShell::Ask(const Question& question) {
    out_ << "[" << DisplayText(question.title) << "] " << DisplayText(question.text) << '\n';
    Answer answer = SafeAnswer(question.buttons);
    if (givenAnswer_) {
        answer = ResolveGivenAnswer(*givenAnswer_, question.buttons);
    } else if (question.buttons != Buttons::Ok && ::isatty(STDIN_FILENO)) {
        answer = Prompt(question);
    }
    out_ << "  -> " << PickText(language_, AnswerName(answer)) << '\n' << std::flush;
    return answer;
}

Answer TerminalShell::Prompt(const Question& question) {
    for (;;) {
        out_ << ButtonsHint(question.buttons) << "? " << std::flush;
        std::string line;
        if (!std::getline(std::cin, line)) return SafeAnswer(question.buttons);
        if (line.empty()) continue;
        const auto answer = AnswerFromKey(line.front());
        if (answer && Offers(question.buttons, *answer)) return *answer;
    }
}

}  // namespace orvane::cli
