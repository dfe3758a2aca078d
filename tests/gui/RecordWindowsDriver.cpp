#include "RecordWindowsDriver.h"

#include <gtest/gtest.h>

#include <QTest>

#include "gui/CViewRecordData.h"
#include "records/RecordLists.h"

namespace orvane::testing {

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
