#pragma once

#include <QObject>
#include <QString>

#include "gui/Prompter.h"
#include "shell/Shell.h"

namespace orvane::gui {

// The core's Shell in the window. The core runs on the worker thread: status
// lines and progress go to the window as queued signals (so the window
// paints them in order while the worker goes on), and a question or a
// folder pick blocks the worker until the person has answered on the
// window's thread.
class GuiShell : public QObject, public Shell {
    Q_OBJECT
public:
    explicit GuiShell(Prompter& prompter) : prompter_(prompter) {}

    void ShowStatus(const StatusLine& line) override;
    void SetProgress(int position) override { emit progressSet(position); }
    Answer Ask(const Question& question) override;
    void Pause(std::chrono::milliseconds duration) override;
    std::optional<std::filesystem::path> PickFolder(const std::string& prompt) override;

signals:
    // The text as the person reads it (DisplayText).
    void statusShown(const QString& text);
    void progressSet(int position);

private:
    Prompter& prompter_;
};

}  // namespace orvane::gui
