#include "gui/Prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "gui/Translated.h"
#include "shell/FrontEndTexts.h"

namespace orvane::gui {
int Prompter::Ask(const QString& text, const QString& title, int buttons) {
    const auto choice = static_cast<Buttons>(buttons);
    const Language language = language_;
    QMessageBox box(window_);
    box.setWindowTitle(title);
    // The system's texts break lines with CR LF.
    box.setText(QString(text).replace("\r\n", "\n"));
    box.setIcon(choice == Buttons::Ok ? QMessageBox::Information : QMessageBox::Question);
    struct Offered {
        Answer answer;
        QMessageBox::ButtonRole role;
        TextPair caption;
    };
    std::vector<Offered> offered;
    switch (choice) {
        case Buttons::Ok: offered = {{Answer::Ok, QMessageBox::AcceptRole, text::AnswerOk}}; break;
        case Buttons::YesNo:
            offered = {{Answer::Yes, QMessageBox::YesRole, text::AnswerYes},
                       {Answer::No, QMessageBox::NoRole, text::AnswerNo}};
            break;
        case Buttons::YesNoCancel:
            offered = {{Answer::Yes, QMessageBox::YesRole, text::AnswerYes},
                       {Answer::No, QMessageBox::NoRole, text::AnswerNo},
                       {Answer::Cancel, QMessageBox::RejectRole, text::AnswerCancel}};
            break;
        case Buttons::OkCancel:
            offered = {{Answer::Ok, QMessageBox::AcceptRole, text::AnswerOk},
                       {Answer::Cancel, QMessageBox::RejectRole, text::AnswerCancel}};
            break;
    }
    std::vector<QPushButton*> pushButtons;
    for (const Offered& button : offered)
        pushButtons.push_back(box.addButton(Translated(language, button.caption), button.role));
    // Closing the box by the window manager or Escape gives the safe answer.
    box.setEscapeButton(pushButtons.back());
    box.exec();
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (box.clickedButton() == pushButtons[i]) return static_cast<int>(offered[i].answer);
    }
    return static_cast<int>(offered.back().answer);
}

QString Prompter::PickFolder(const QString& prompt) {
    return QFileDialog::getExistingDirectory(window_, prompt, QString(),
                                             QFileDialog::ShowDirsOnly);
}

}  // namespace orvane::gui
