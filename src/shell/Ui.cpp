#include "shell/Ui.h"

#include <algorithm>

#include "shell/StringTable.h"

namespace orvane {

std::string_view Ui::Message(int koreanId) const { return MessageText(koreanId, language_); }

std::string_view Ui::TitleText(Title title) const {
    switch (title) {
        case Title::Notice: return Text("알림", "Notice");
        case Title::Warning: return Text("경고", "Warning");
        case Title::Caution: return Text("주의 !!", "Warining !!");
    }
    return {};
}

void Ui::ShowStatus(int koreanId) {
    statusStringId_ = koreanId;
    statusText_ = Message(koreanId);
    shell_.ShowStatus({koreanId, statusText_});
}

void Ui::ShowStatusText(std::string text) {
    statusText_ = std::move(text);
    shell_.ShowStatus({0, statusText_});
}

void Ui::ReloadStatus() { ShowStatus(statusStringId_); }

void Ui::SetProgress(int position) {
    shell_.SetProgress(std::clamp(position, 0, 1000));
}

Answer Ui::Ask(std::string_view text, std::string_view title, Buttons buttons) {
    return shell_.Ask({std::string(text), std::string(title), buttons});
}

Answer Ui::Ask(std::string_view korean, std::string_view english, Title title, Buttons buttons) {
    return Ask(Text(korean, english), TitleText(title), buttons);
}

}  // namespace orvane
