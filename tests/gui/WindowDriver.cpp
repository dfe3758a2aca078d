#include "WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QThread>

#include "shell/StringTable.h"

namespace orvane::testing {

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

BoxAnswerer::BoxAnswerer() {
    poll_.setInterval(20);
    QObject::connect(&poll_, &QTimer::timeout, this, [this] { AnswerOpenBox(); });
    poll_.start();
}

void BoxAnswerer::Script(std::vector<QString> captions) {
    script_.insert(script_.end(), captions.begin(), captions.end());
}

void BoxAnswerer::AnswerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    ShownBox shown{box->windowTitle(), box->text(), {}};
    QAbstractButton* chosen = nullptr;
    for (QAbstractButton* button : box->buttons()) {
        shown.buttons << button->text();
        if (!script_.empty() && button->text() == script_.front()) chosen = button;
    }
    if (chosen != nullptr) {
        script_.erase(script_.begin());
    } else {
        chosen = box->buttons().front();
    }
    shown_.push_back(shown);
    chosen->click();
}

FileDialogAnswerer::FileDialogAnswerer() {
    poll_.setInterval(20);
    QObject::connect(&poll_, &QTimer::timeout, this, [this] { AnswerOpenDialog(); });
    poll_.start();
}

void FileDialogAnswerer::Script(const std::filesystem::path& path, int nameFilter) {
    script_.push_back({path, nameFilter});
}

void FileDialogAnswerer::AnswerOpenDialog() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    shown_.push_back({dialog->windowTitle(), dialog->directory().absolutePath()});
    if (script_.empty()) {
        dialog->reject();
        return;
    }
    const Answer answer = script_.front();
    script_.erase(script_.begin());
    if (answer.path.empty()) {
        dialog->reject();
        return;
    }
    if (answer.nameFilter >= 0) dialog->selectNameFilter(dialog->nameFilters()[answer.nameFilter]);
    if (dialog->fileMode() == QFileDialog::Directory) {
        dialog->setDirectory(QString::fromStdString(answer.path.string()));
    } else {
        // Typed into the name box, as selectFile leaves the box alone once
        // it has the focus.
        dialog->setDirectory(QString::fromStdString(answer.path.parent_path().string()));
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (name != nullptr) name->setText(QString::fromStdString(answer.path.filename().string()));
    }
    // Through QDialog, where it is public: the file dialog checks the answer.
    static_cast<QDialog*>(dialog)->accept();
}

WindowDriver::WindowDriver(const std::string& server, const std::filesystem::path& device,
                           const std::filesystem::path& work, Language language) {
    gui::ManagerOptions options;
    options.device = device;
    options.server = server;
    std::filesystem::create_directories(work);
    options.workFolder = work;
    options.language = language;
    // No real volume is looked at: the device is the named folder.
    options.mountInfoPath = "/dev/null";
    app_ = std::make_unique<gui::ManagerApp>(options);
    // Received on this thread, in the order the window receives them.
    QObject::connect(&app_->shell(), &gui::GuiShell::statusShown, &boxes_,
                     [this](const QString& text) { statuses_ << text; });
    QObject::connect(&app_->shell(), &gui::GuiShell::progressSet, &boxes_,
                     [this](int position) { progress_.push_back(position); });
}

bool WindowDriver::WaitIdle() {
    return WaitFor([this] { return window().idle() && !window().worker().working(); });
}

bool WindowDriver::Connect(std::chrono::milliseconds timeout) {
    app_->Show();
    return WaitFor(
        [this] {
            return window().idle() && !window().worker().working() &&
                   session().ui.StatusStringId() == message::ConnectionCompleted;
        },
        timeout);
}

void WindowDriver::Click(QWidget& widget, QPoint at) {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, at.isNull() ? widget.rect().center() : at);
}

}  // namespace orvane::testing
