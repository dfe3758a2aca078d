#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>

#include "shell/Language.h"
#include "shell/Shell.h"

namespace orvane::gui {

// The window's side of every question: a modal message box with the core's
// title, text and buttons (their captions in the interface language), and
// the folder browser. Lives on the window's thread; the worker reaches it
// through GuiShell and waits for the answer.
class Prompter : public QObject {
    Q_OBJECT
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    void SetLanguage(Language language) { language_ = language; }

public slots:
    // Returns an orvane::Answer as int (queued calls carry plain types).
    int Ask(const QString& text, const QString& title, int buttons);
    // Empty when the person cancelled.
    QString PickFolder(const QString& prompt);

private:
    QPointer<QWidget> window_;
    std::atomic<Language> language_{Language::English};
};

}  // namespace orvane::gui
