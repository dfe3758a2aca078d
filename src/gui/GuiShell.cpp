#include "gui/GuiShell.h"

#include <QMetaObject>
#include <QThread>

#include "util/TextDecoding.h"

namespace orvane::gui {
namespace {

QString Shown(const std::string& text) { return QString::fromStdString(DisplayText(text)); }

// Blocks until the window's thread has run the call; a direct call when the
// core already runs there (which it does not, but a queued blocking call
// would then wait for itself).
Qt::ConnectionType Blocking(const QObject& receiver) {
    return QThread::currentThread() == receiver.thread() ? Qt::DirectConnection
                                                         : Qt::BlockingQueuedConnection;
}

}  // namespace

void GuiShell::ShowStatus(const StatusLine& line) { emit statusShown(Shown(line.text)); }

Answer GuiShell::Ask(const Question& question) {
    int answer = static_cast<int>(Answer::Cancel);
    QMetaObject::invokeMethod(
        &prompter_, "Ask", Blocking(prompter_), Q_RETURN_ARG(int, answer),
        Q_ARG(QString, Shown(question.text)), Q_ARG(QString, Shown(question.title)),
        Q_ARG(int, static_cast<int>(question.buttons)));
    return static_cast<Answer>(answer);
}

void GuiShell::Pause(std::chrono::milliseconds duration) {
    // The window paints on its own thread meanwhile; the pause only keeps
    // each stage on screen long enough to be read.
    QThread::msleep(static_cast<unsigned long>(duration.count()));
}

std::optional<std::filesystem::path> GuiShell::PickFolder(const std::string& prompt) {
    QString folder;
    QMetaObject::invokeMethod(&prompter_, "PickFolder", Blocking(prompter_),
                              Q_RETURN_ARG(QString, folder), Q_ARG(QString, Shown(prompt)));
    if (folder.isEmpty()) return std::nullopt;
    return std::filesystem::path(folder.toStdString());
}

}  // namespace orvane::gui
