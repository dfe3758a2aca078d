#include "RecordWindowsDriver.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "gui/CViewRecordData.h"
#include "records/RecordLists.h"

namespace orvane::testing {

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

void RunOnWorker(WindowDriver& driver, const std::function<void(Session&)>& job) {
    bool done = false;
    driver.window().worker().Run(job, [&] { done = true; });
    ASSERT_TRUE(WaitFor([&] { return done; }));
}

gui::CViewScore* OpenScoreCard(WindowDriver& driver, const std::string& fileName) {
    const std::filesystem::path folder = *driver.session().recordFolder.path;
    const std::vector<RecordEntry> rounds = SavedRounds(folder);
    std::string date;
    for (const RecordEntry& round : rounds)
        if (round.fileName == fileName) date = round.date;
    if (!driver.WaitIdle()) return nullptr;
    driver.window().RunCommand(WindowCommand::ViewRecords);
    auto* viewer = WaitForWindow<gui::CViewRecordData>();
    if (viewer == nullptr) return nullptr;
    const auto& rows = viewer->model().rows();
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row].cells[0] == date) viewer->table().selectRow(static_cast<int>(row));
    WindowDriver::Click(viewer->actionButton());
    auto* card = WaitForWindow<gui::CViewScore>();
    if (card == nullptr || !WaitFor([card] { return card->detailsLoaded(); })) return nullptr;
    return card;
}

std::vector<RecordEntry> SavedRounds(const std::filesystem::path& folder) {
    return buildSavedRecordList(CatalogueData{}, folder, ListRecordFolder(folder));
}

std::vector<std::string> RoundFiles(const std::filesystem::path& folder,
                                    const std::function<bool(const RecordEntry&)>& wanted) {
    std::vector<std::string> files;
    for (const RecordEntry& round : SavedRounds(folder))
        if (wanted(round)) files.push_back(round.fileName);
    return files;
}

bool EighteenWithMap(const RecordEntry& entry) {
    return entry.record->holeCount == 18 && !entry.name.starts_with("MyCC");
}

bool NineWithMap(const RecordEntry& entry) {
    return entry.record->holeCount == 9 && !entry.name.starts_with("MyCC");
}

}  // namespace orvane::testing
