#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "shell/Language.h"
#include "shell/Shell.h"
#include "shell/ShellTexts.h"

namespace orvane {

enum class Title { Notice, Warning, Caution };

// The core's side of the Shell: holds the language and the status line's
// current message, and turns message ids and Korean / English pairs into the
// texts the Shell shows.
class Ui {
public:
    Ui(Shell& shell, Language language) : shell_(shell), language_(language) {}

    Language language() const { return language_; }
    void SetLanguage(Language language) { language_ = language; }

    std::string_view Text(std::string_view korean, std::string_view english) const {
        return PickText(language_, korean, english);
    }
    std::string_view Text(TextPair text) const { return PickText(language_, text); }
    std::string_view Message(int koreanId) const;
    std::string_view TitleText(Title title) const;

    // Shows string-table message `koreanId` and remembers it, so that a
    // language switch can show it again in the other language.
    void ShowStatus(int koreanId);
    // Shows a text formatted at run time; the remembered message stays.
    void ShowStatusText(std::string text);
    // Shows the remembered message in the current language.
    void ReloadStatus();
    int StatusStringId() const { return statusStringId_; }
    const std::string& StatusText() const { return statusText_; }

    void SetProgress(int position);

    Answer Ask(std::string_view text, std::string_view title, Buttons buttons);
    Answer Ask(std::string_view korean, std::string_view english, Title title, Buttons buttons);
    void Notify(std::string_view korean, std::string_view english) {
        Ask(korean, english, Title::Notice, Buttons::Ok);
    }
    void Notify(TextPair text) { Notify(text.korean, text.english); }

    void Pause(std::chrono::milliseconds duration) { shell_.Pause(duration); }
    std::optional<std::filesystem::path> PickFolder(TextPair prompt = {}) {
        return shell_.PickFolder(std::string(Text(prompt)));
    }

private:
    Shell& shell_;
    Language language_;
    int statusStringId_ = 0;
    std::string statusText_;
};

}  // namespace orvane
