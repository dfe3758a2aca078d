#include <gtest/gtest.h>

#include <string>

#include "records/PackedFile.h"
#include "records/RecordLists.h"
#include "records/RecordSaving.h"
#include "records/RecordViewer.h"
#include "support/FakeHttpClient.h"
#include "support/RecordingShell.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;
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

CourseNode Course(std::int32_t id, std::string name) {
    CourseNode course;
    course.id = id;
    course.name = std::move(name);
    return course;
}

std::vector<std::string> Names(const std::vector<RecordEntry>& list) {
    std::vector<std::string> names;
    for (const RecordEntry& entry : list) names.push_back(entry.name + "|" + entry.date);
    return names;
}

TEST(DeviceRecordList, WordsOfTheIndexBecomeEntries) {
    CatalogueData data;
    data.DeviceList[3].push_back(Course(50101234, "Club"));
    const auto list = buildDeviceRecordList(data, "Club_20120815_13.dat Club_20120901_08.dat\r\n");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "Club");
    EXPECT_EQ(list[0].date, "2012.08.15_13");
    EXPECT_EQ(list[0].path, "UserData/Club_20120815_13.dat");
    EXPECT_EQ(list[0].courseNumber, 50101234);
    EXPECT_EQ(list[0].displayName, "Club");
    EXPECT_EQ(list[1].date, "2012.09.01_08");
    EXPECT_EQ(list[1].path, "UserData/Club_20120901_08.dat");

    const auto unknown = buildDeviceRecordList(data, "Other_20120815_13.dat\n");
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0].displayName, "Other");
    EXPECT_EQ(unknown[0].courseNumber, 0);
}

TEST(DeviceRecordList, EndsWhereTheIndexSaysAndRefusesEscapingNames) {
    const CatalogueData data;
    // A word without "_" ends the list; the words before it stay.
    EXPECT_EQ(Names(buildDeviceRecordList(data, "A_20120815_13.dat junk B_20120815_14.dat\n")),
              std::vector<std::string>{"A|2012.08.15_13"});
    // An empty club name, first or later, ends it too.
    EXPECT_TRUE(buildDeviceRecordList(data, "_20120815_13.dat A_20120815_13.dat\n").empty());
    // Fewer than five bytes after a word end the list.
    EXPECT_EQ(buildDeviceRecordList(data, "A_20120815_13.dat\r\nB_1").size(), 1u);
    EXPECT_EQ(buildDeviceRecordList(data, "A_20120815_13.dat B_1.d").size(), 2u);
    // Short words give short dates and never read past them.
    const auto shortWord = buildDeviceRecordList(data, "A_2012 B_ C_20120815_1\n");
    ASSERT_EQ(shortWord.size(), 3u);
    EXPECT_EQ(shortWord[0].date, "2012..");
    EXPECT_EQ(shortWord[1].date, "..");
    EXPECT_EQ(shortWord[2].date, "2012.08.15_1");
    EXPECT_TRUE(buildDeviceRecordList(data, "").empty());
    EXPECT_TRUE(buildDeviceRecordList(data, std::string_view("\0A_20120815_13.dat", 18)).empty());
    // Names that would leave the device's or the record folder are passed over.
    EXPECT_EQ(
        Names(buildDeviceRecordList(
            data,
            "../../x_20120815_13.dat ..\\_1 ok/../x_2 .._20120815_13.dat B_20120815_14.dat\n")),
        std::vector<std::string>{"B|2012.08.15_14"});
}

TEST(SavedRecordList, ReadsBothFileFormsAndSkipsTheRest) {
    TempFolder folder;
    CatalogueData data;
    data.CatalogueList[0].push_back(Course(1234, "Club"));
    packToFile(RecordText("Club", {1, 2}), folder.path() / "20120815_13_Club.dat");
    packToFile(RecordText("Club", {0}), folder.path() / "Club_20120815_13.dat");
    packToFile(RecordText("Other", {0}), folder.path() / "20120815_14_Club.dat");
    folder.Write("20120815_15_Club.dat", RecordText("Club", {0}));
    const auto list = buildSavedRecordList(
        data, folder.path(),
        "20120815_13_Club.dat\nnounderscore.dat\none_underscore.dat\n20120815_14_Club.dat\n"
        "20120815_15_Club.dat\nmissing_20120815_16.dat\nClub_20120815_13.dat\n");
    ASSERT_EQ(list.size(), 2u);
    for (const RecordEntry& entry : list) {
        EXPECT_EQ(entry.name, "Club");
        EXPECT_EQ(entry.date, "2012.08.15_13");
        EXPECT_EQ(entry.courseNumber, 1234);
        ASSERT_TRUE(entry.record);
    }
    EXPECT_EQ(list[0].fileName, "20120815_13_Club.dat");
    EXPECT_EQ(list[0].record->FrontStrokes(), 4 + 4 + 1 + 2);
    EXPECT_EQ(list[1].fileName, "Club_20120815_13.dat");
}

TEST(SavedRecordList, FolderListingKeepsDatFilesInNameOrder) {
    TempFolder folder;
    folder.Write("b_2.dat", "x");
    folder.Write("a_1.DAT", "x");
    folder.Write("c.txt", "x");
    folder.Write("with space_1.dat", "x");
    std::filesystem::create_directories(folder.path() / "dir.dat");
    EXPECT_EQ(ListRecordFolder(folder.path()), "a_1.DAT\nb_2.dat\n");
    EXPECT_EQ(ListRecordFolder(folder.path() / "missing"), "");
}

TEST(RecordRows, ShownNamesCellsAndOrder) {
    RecordEntry own;
    own.name = "_alias";
    own.displayName = "Club";
    own.courseNumber = 50101234;
    own.date = "2012.08.15_13";
    EXPECT_EQ(ShownClubName(own, Language::English), "_alias");
    EXPECT_EQ(ShownClubName(own, Language::Korean), "Club");
    own.courseNumber = 50201234;
    EXPECT_EQ(ShownClubName(own, Language::English), "Club");
    EXPECT_EQ(SavedRecordFileName(own), "20120815_13__alias.dat");

    std::vector<RecordEntry> entries(3);
    entries[0].name = entries[0].displayName = "B";
    entries[0].date = "2012.08.15_13";
    entries[0].record = RoundRecord{};
    entries[0].record->frontParTotal = 36;
    entries[0].record->frontScoreTotal = 9;
    entries[1].name = entries[1].displayName = "A";
    entries[1].date = "2012.09.01_08";
    entries[1].record = RoundRecord{};
    entries[1].record->frontParTotal = 36;
    entries[1].record->backParTotal = 36;
    entries[1].record->backScoreTotal = 64;
    entries[2].name = entries[2].displayName = "C";
    entries[2].date = "2011.01.01_01";

    auto rows = ViewerRows(entries, Language::English);
    RecordSort sort = ViewerSort();
    SortRecordRows(rows, sort);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"2012.09.01_08", "A", "36", "100", "136"}));
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"2012.08.15_13", "B", "45", "", "45"}));
    EXPECT_EQ(rows[2].entry, 2u);

    // Totals sort as text; the club column ascends, then descends, and the
    // date column keeps the direction it had.
    sort.Click(4);
    SortRecordRows(rows, sort);
    EXPECT_EQ(rows[0].cells[4], "0");
    EXPECT_EQ(rows[1].cells[4], "136");
    sort.Click(1);
    SortRecordRows(rows, sort);
    EXPECT_EQ(rows[0].cells[1], "A");
    sort.Click(1);
    SortRecordRows(rows, sort);
    EXPECT_EQ(rows[0].cells[1], "C");
    sort.Click(0);
    SortRecordRows(rows, sort);
    EXPECT_EQ(rows[0].cells[0], "2012.09.01_08");

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

    TempFolder deviceFolder_;
    TempFolder recordFolder_;
    RecordingShell shell_;
    Ui ui_{shell_, Language::English};
    DeviceLink device_;
    CatalogueData data_;
    RecordFolder folder_;
    std::vector<RecordEntry> entries_;
};

TEST_F(RecordSavingTest, SavedFileUnpacksToTheDeviceTextAndListsBack) {
    const std::string text = RecordText("Club", {1, 0, -1});
    deviceFolder_.Write("UserData/Club_20120815_13.dat", text + std::string("\0tail", 5));
    deviceFolder_.Write("UserData/Club_20120901_08.dat", RecordText("Club", {2}));
    entries_ = buildDeviceRecordList(data_, "Club_20120815_13.dat Club_20120901_08.dat\r\n");
    shell_.ScriptFolder(recordFolder_.path());

    // Newest first: row 1 is the August round.
    EXPECT_TRUE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {1}));
    ASSERT_EQ(shell_.questions().size(), 1u);
    EXPECT_EQ(shell_.questions()[0].text, "Saved data.");
    const auto saved = recordFolder_.path() / "20120815_13_Club.dat";
    std::string unpacked;
    ASSERT_GT(unpackFile(saved, unpacked), 0);
    EXPECT_EQ(unpacked, text);

    // The folder is kept: the second save asks for none.
    EXPECT_TRUE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {0, 1}));
    const auto list =
        buildSavedRecordList(data_, recordFolder_.path(), ListRecordFolder(recordFolder_.path()));
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Club|2012.08.15_13", "Club|2012.09.01_08"}));

    // The viewer lists the same folder, waits for a transfer and finds the
    // selected row's round.
    EXPECT_FALSE(OpenRecordViewer(ui_, true, folder_, data_));
    EXPECT_EQ(shell_.questions().back().text, "Not finished downloading.");
    auto viewed = OpenRecordViewer(ui_, false, folder_, data_);
    ASSERT_TRUE(viewed);
    std::vector<RecordRow> rows = ViewerRows(*viewed, Language::English);
    SortRecordRows(rows, ViewerSort());
    testing::FakeHttpClient http;
    EXPECT_EQ(ViewSelectedRecord(ui_, http, *viewed, rows, std::nullopt), nullptr);
    EXPECT_EQ(shell_.questions().back().text, "No selected record data.");
    const RecordEntry* september = ViewSelectedRecord(ui_, http, *viewed, rows, 0);
    ASSERT_NE(september, nullptr);
    EXPECT_EQ(september->date, "2012.09.01_08");

    TempFolder empty;
    RecordFolder emptyFolder{empty.path()};
    EXPECT_FALSE(OpenRecordViewer(ui_, false, emptyFolder, data_));
    EXPECT_EQ(shell_.questions().back().text, "No Saved record data.");
}

TEST_F(RecordSavingTest, FaultsStopTheSaveAndNothingEscapesTheFolder) {
    deviceFolder_.Write("UserData/A_20120815_13.dat", RecordText("A", {0}));
    deviceFolder_.Write("UserData/C_20120815_15.dat", RecordText("C", {0}));
    entries_ =
        buildDeviceRecordList(data_, "A_20120815_13.dat B_20120815_14.dat C_20120815_15.dat\r\n");
    ASSERT_EQ(entries_.size(), 3u);

    // Nothing ticked: told, no folder asked for.
    EXPECT_FALSE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {}));
    EXPECT_EQ(shell_.questions().back().text, "No selected record data.");
    // A cancelled folder pick stops quietly.
    shell_.ScriptFolder(std::nullopt);
    shell_.Clear();
    EXPECT_FALSE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {0}));
    EXPECT_TRUE(shell_.questions().empty());

    // Rows newest first: C, B (missing on the device), A. The missing one ends
    // the save; C stays saved, A is never reached.
    shell_.ScriptFolder(recordFolder_.path());
    EXPECT_FALSE(SaveTickedRecords(ui_, device_, folder_, entries_, Rows(), {0, 1, 2}));
    EXPECT_TRUE(shell_.questions().empty());
    EXPECT_TRUE(std::filesystem::exists(recordFolder_.path() / "20120815_15_C.dat"));
    EXPECT_FALSE(std::filesystem::exists(recordFolder_.path() / "20120815_13_A.dat"));

    // An entry whose club would climb out of the record folder is refused.
    RecordEntry escaping = entries_[0];
    escaping.name = "../A";
    EXPECT_EQ(SaveRecordEntry(device_, recordFolder_.path(), escaping), 0);
    EXPECT_FALSE(std::filesystem::exists(recordFolder_.path().parent_path() / "20120815_13_.."));

    device_.HardwareVersion = "V3.0.1";
    EXPECT_FALSE(SaveToPcAllowed(ui_, false, device_));
    EXPECT_EQ(shell_.questions().back().text, "Not support model.");
    device_.HardwareVersion = "V3.5.1";
    EXPECT_FALSE(SaveToPcAllowed(ui_, true, device_));
    EXPECT_EQ(shell_.questions().back().text, "Not finished downloading.");
    EXPECT_TRUE(SaveToPcAllowed(ui_, false, device_));
}

}  // namespace
}  // namespace orvane
