#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/ManagerApp.h"

namespace orvane::testing {

// Lets the window's event loop run until `done` holds or `timeout` passes;
// true when it held.
bool WaitFor(const std::function<bool()>& done,
             std::chrono::milliseconds timeout = std::chrono::seconds(30));

// A message box the window showed, as the person saw it.
struct ShownBox {
    QString title;
    QString text;
    QStringList buttons;
};

// Answers the window's message boxes as they appear: the next scripted
// button caption, else the box's first button. Keeps what each box said.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer();
    void Script(std::vector<QString> captions);
    const std::vector<ShownBox>& shown() const { return shown_; }
    // The text of the last box, "" when none was shown.
    QString lastText() const { return shown_.empty() ? QString() : shown_.back().text; }
    void Clear() { shown_.clear(); }

private:
    void AnswerOpenBox();

    QTimer poll_;
    std::vector<QString> script_;
    std::vector<ShownBox> shown_;
};

// Answers the folder and file dialogs the window opens, as a person would:
// the next scripted path (with, for a save, the name filter to pick), or
// Cancel when the script is empty. Keeps each dialog's caption and the
// folder it opened in.
class FileDialogAnswerer : public QObject {
public:
    FileDialogAnswerer();
    // An empty path cancels the dialog.
    void Script(const std::filesystem::path& path, int nameFilter = -1);

    struct Shown {
        QString caption;
        QString folder;
    };
    const std::vector<Shown>& shown() const { return shown_; }

private:
    struct Answer {
        std::filesystem::path path;
        int nameFilter = -1;
    };
    void AnswerOpenDialog();

    QTimer poll_;
    std::vector<Answer> script_;
    std::vector<Shown> shown_;
};

// The window of one run, against a server and a device folder, in a
// language, and helpers to drive it as a person does.
class WindowDriver {
public:
    WindowDriver(const std::string& server, const std::filesystem::path& device,
                 const std::filesystem::path& work, Language language);

    gui::CFairsyncDlg& window() { return app_->window(); }
    // Every status line and progress position the window was sent, in order.
    const QStringList& statuses() const { return statuses_; }
    const std::vector<int>& progress() const { return progress_; }
    Session& session() { return app_->session(); }
    BoxAnswerer& boxes() { return boxes_; }

    // Waits for the window to take input again.
    bool WaitIdle();
    // Shows the window, lets it find the device and connect; true when the
    // connection ran to its end.
    bool Connect(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    QString Status() { return window().statusPanel().status(); }
    // Clicks a widget's centre (or `at`) as a person does.
    static void Click(QWidget& widget, QPoint at = {});

private:
    std::unique_ptr<gui::ManagerApp> app_;
    BoxAnswerer boxes_;
    QStringList statuses_;
    std::vector<int> progress_;
};

}  // namespace orvane::testing
