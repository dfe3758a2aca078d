#include <gtest/gtest.h>

#include <string>

#include "records/PackedFile.h"
#include "records/RecordLists.h"
#include "records/RecordSaving.h"
#include "records/RecordViewer.h"
#include "support/RecordingShell.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::RecordingShell;
using testing::TempFolder;

std::string RecordText(std::string_view club, std::initializer_list<int> scores) {
    std::string text = "1 0\r\n0 0 0\r\n" + std::string(club) +
                       " x\r\n2012 8 3 15 13 0 0\r\n2012 8 3 15 13 0 0\r\n";
    int hole = 0;
    for (const int score : scores)
        text += "A" + std::to_string(++hole) + " 36 0 " + std::to_string(score) +
                " 0 1\r\n2012 8 3 15 14 0 0\r\n";
    return text;
}

// "<name>|<date> " per entry.
std::string Names(const std::vector<RecordEntry>& list) {
    std::string names;
    for (const RecordEntry& entry : list) names += entry.name + "|" + entry.date + " ";
    return names;
}

TEST(DeviceRecordList, EndsWhereTheIndexSaysAndRefusesEscapingNames) {
    const std::vector<std::pair<std::string_view, std::string>> cases = {
        {"A_20120815_13.dat junk B_20120815_14.dat\n", "A|2012.08.15_13 "},  // no "_"
        {"_20120815_13.dat A_20120815_13.dat\n", ""},                        // empty club
        {"A_20120815_13.dat\r\nB_1", "A|2012.08.15_13 "},  // fewer than five bytes left
        // Short words give short dates and are never read past.
        {"A_2012 B_ C_20120815_1\n", "A|2012.. B|.. C|2012.08.15_1 "},
        // Names that would leave the device's or the record folder are passed over.
        {"../../x_20120815_13.dat ..\\_1 ok/../x_2 .._20120815_13.dat B_20120815_14.dat\n",
         "B|2012.08.15_14 "},
    };
    for (const auto& [index, names] : cases)
        EXPECT_EQ(Names(buildDeviceRecordList(CatalogueData{}, index)), names) << index;
}

// An index naming more rounds than any device holds is cut, not kept whole.
TEST(DeviceRecordList, EndsAtTheCeiling) {
    std::string index;
    for (std::size_t i = 0; i < kMaxDeviceRecords + 5; ++i)
        index += "C" + std::to_string(i) + "_20120815_13.dat\r\n";
    const auto list = buildDeviceRecordList(CatalogueData{}, index);
    ASSERT_EQ(list.size(), kMaxDeviceRecords);
    EXPECT_EQ(list.back().name, "C" + std::to_string(kMaxDeviceRecords - 1));
}

TEST(SavedRecordList, ReadsBothFileFormsAndSkipsTheRest) {
    TempFolder outer;
    const std::filesystem::path folder = outer.path() / "in";
    CatalogueData data;
    CourseNode club;
    club.id = 1234;
    club.name = "Club";
    data.CatalogueList[0].push_back(club);
    outer.Write("in/20120815_15_Club.dat", RecordText("Club", {0}));
    packToFile(RecordText("Club", {1, 2}), folder / "20120815_13_Club.dat");
    packToFile(RecordText("Club", {0}), folder / "Club_20120815_13.dat");
    packToFile(RecordText("Other", {0}), folder / "20120815_14_Club.dat");
    packToFile(RecordText("Club", {0}), outer.path() / "20120815_16_Club.dat");
    // Another club's round, an unpacked file, a missing one and a name that
    // leaves the folder are passed over.
    const auto list = buildSavedRecordList(
        data, folder,
        "20120815_13_Club.dat\nnounderscore.dat\none_underscore.dat\n20120815_14_Club.dat\n"
        "20120815_15_Club.dat\nmissing_20120815_16.dat\n../20120815_16_Club.dat\n"
        "Club_20120815_13.dat\n");
    EXPECT_EQ(Names(list), "Club|2012.08.15_13 Club|2012.08.15_13 ");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].fileName, "20120815_13_Club.dat");
    EXPECT_EQ(list[0].courseNumber, 1234);
    ASSERT_TRUE(list[0].record);
    EXPECT_EQ(list[0].record->FrontStrokes(), 4 + 4 + 1 + 2);
    EXPECT_EQ(list[1].fileName, "Club_20120815_13.dat");
}

TEST(RecordRows, ShownNamesSavedFileNameCellsAndOrder) {
    RecordEntry own;
    own.name = "_alias";
    own.displayName = "Club";
    own.courseNumber = 50101234;
    own.date = "2012.08.15_13";
    // In English a course of the 5010 block goes by the record's own name.
    EXPECT_EQ(ShownClubName(own, Language::English), "_alias");
    own.courseNumber = 50201234;
    EXPECT_EQ(ShownClubName(own, Language::English), "Club");
    EXPECT_EQ(SavedRecordFileName(own), "20120815_13__alias.dat");

    // An eighteen-hole round and a later nine-hole one.
    std::vector<RecordEntry> entries(2);
    entries[0].name = entries[0].displayName = "A";
    entries[0].date = "2012.08.15_13";
    entries[1].name = entries[1].displayName = "B";
    entries[1].date = "2012.09.01_08";
    entries[0].record = std::make_unique<RoundRecord>();
    entries[1].record = std::make_unique<RoundRecord>();
    entries[0].record->frontParTotal = entries[1].record->frontParTotal = 36;
    entries[0].record->backParTotal = 36;
    entries[0].record->backScoreTotal = 64;
    entries[1].record->frontScoreTotal = 9;

    auto rows = ViewerRows(entries, Language::English);
    RecordSort sort = ViewerSort();
    SortRecordRows(rows, sort);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].entry, 1u);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"2012.09.01_08", "B", "45", "", "45"}));
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"2012.08.15_13", "A", "36", "100", "136"}));
    // Totals sort as text: "136" before "45".
    sort.Click(4);
    SortRecordRows(rows, sort);
    EXPECT_EQ(rows[0].cells[4], "136");

    // Rows stop at the first entry without a name.
    entries[1].name.clear();
    EXPECT_EQ(SaveDialogRows(entries, Language::English).size(), 1u);
}

class RecordSavingTest : public ::testing::Test {
protected:
    RecordSavingTest() { device_.DeviceRoot = deviceFolder_.path(); }

    std::vector<RecordRow> Rows() {
        auto rows = SaveDialogRows(entries_, Language::English);
        SortRecordRows(rows, SaveDialogSort());
        return rows;
    }
    std::string LastMessage() const { return shell_.questions().back().text; }

    TempFolder deviceFolder_;
    TempFolder recordFolder_;
    RecordingShell shell_;
    Ui ui_{shell_, Language::English};
    DeviceLink device_;
    CatalogueData data_;
    RecordFolder folder_;
    std::vector<RecordEntry> entries_;
};

TEST_F(RecordSavingTest, TickedRowsSaveUntilAFaultAndTheViewerListsThem) {
    const std::string text = RecordText("C", {1, 0, -1});
    deviceFolder_.Write("UserData/C_20120815_15.dat", text + std::string("\0tail", 5));
    deviceFolder_.Write("UserData/A_20120815_13.dat", RecordText("A", {0}));
    entries_ =
        buildDeviceRecordList(data_, "A_20120815_13.dat B_20120815_14.dat C_20120815_15.dat\r\n");
    ASSERT_EQ(entries_.size(), 3u);
    EXPECT_FALSE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {}));
    EXPECT_EQ(LastMessage(), "No selected record data.");

    // Rows newest first: C, B (missing on the device), A.
    shell_.ScriptFolder(recordFolder_.path());
    EXPECT_TRUE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {0}));
    EXPECT_EQ(LastMessage(), "Saved data.");
    EXPECT_EQ(shell_.folderPrompts(), std::vector<std::string>{"Select directory to save record data."});
    std::string unpacked;
    ASSERT_GT(unpackFile(recordFolder_.path() / "20120815_15_C.dat", unpacked), 0);
    EXPECT_EQ(unpacked, text);
    // The folder is kept; the missing record ends the save, before A, with
    // the file's name and the system's reason.
    shell_.Clear();
    EXPECT_FALSE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {1, 2}));
    EXPECT_EQ(shell_.questions(),
              (std::vector<Question>{{"The record could not be saved: 20120815_14_B.dat (No such "
                                      "file or directory)",
                                      "Notice", Buttons::Ok}}));
    EXPECT_FALSE(std::filesystem::exists(recordFolder_.path() / "20120815_13_A.dat"));
    // So does a folder that cannot take the file.
    RecordFolder gone{recordFolder_.path() / "gone"};
    shell_.Clear();
    EXPECT_FALSE(SaveTickedRecords(ui_, device_, gone, entries_, Rows(), {0}));
    EXPECT_EQ(LastMessage(),
              "The record could not be saved: 20120815_15_C.dat (No such file or directory)");
    // A club name that would climb out of the record folder is refused.
    RecordEntry escaping;
    escaping.name = "../A";
    escaping.date = entries_[0].date;
    escaping.path = entries_[0].path;
    EXPECT_EQ(SaveRecordEntry(device_, recordFolder_.path(), escaping), 0);

    EXPECT_FALSE(OpenRecordViewer(ui_, true, folder_, data_));
    EXPECT_EQ(LastMessage(), "Not finished downloading.");
    std::vector<RecordEntry> viewed = OpenRecordViewer(ui_, false, folder_, data_).value();
    ASSERT_EQ(viewed.size(), 1u);
    const std::vector<RecordRow> rows = ViewerRows(viewed, Language::English);
    EXPECT_EQ(ViewSelectedRecord(ui_, viewed, rows, std::nullopt), nullptr);
    EXPECT_EQ(LastMessage(), "No selected record data.");
    EXPECT_EQ(ViewSelectedRecord(ui_, viewed, rows, 0), &viewed[0]);
    TempFolder empty;
    RecordFolder emptyFolder{empty.path()};
    EXPECT_FALSE(OpenRecordViewer(ui_, false, emptyFolder, data_));
    EXPECT_EQ(LastMessage(), "No Saved record data.");

    device_.HardwareVersion = "V3.0.1";
    EXPECT_FALSE(SaveToPcAllowed(ui_, false, device_));
    EXPECT_EQ(LastMessage(), "Not support model.");
    device_.HardwareVersion = "V3.5.1";
    EXPECT_TRUE(SaveToPcAllowed(ui_, false, device_));
}

}  // namespace
}  // namespace orvane
