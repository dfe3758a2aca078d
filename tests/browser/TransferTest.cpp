#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "browser/Transfer.h"
#include "catalogue/ClubListText.h"
#include "catalogue/DeviceFiles.h"
#include "catalogue/ZoneTable.h"
#include "device/DevicePaths.h"
#include "support/CatalogueFixture.h"
#include "support/CourseBuilder.h"
#include "support/TempFolder.h"
#include "util/Files.h"
#include "util/SafeFile.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::MakeCourse;
using ClubListRows = std::vector<std::pair<std::string, double>>;

constexpr std::string_view kCompleted =
    "Operation Completed. Disconnect USB, then device will apply the modification.";

// Seoul is stored, Anyang stored in an older version, Jeju new; every map is
// on the server as "map of <name>".
class TransferTest : public testing::CatalogueFixture {
protected:
    TransferTest() {
        data_.CatalogueList[0] = {
            MakeCourse(0, 50100101, "SEOUL", "Seoul CC", 1.25),
            MakeCourse(0, 50100102, "ANYANG", "Anyang GC", 1.50, Mark::Updated),
            MakeCourse(0, 50100008, "JEJU", "Jeju Ocean", 2.00, Mark::New)};
        data_.DeviceList[0] = {MakeCourse(0, 50100102, "ANYANG", "Anyang GC", 1.25),
                               MakeCourse(0, 50100101, "SEOUL", "Seoul CC", 1.25)};
        for (const CourseNode& course : data_.CatalogueList[0]) Serve(course);
        browser_.SelectCountry(1);
    }

    void Serve(const CourseNode& course) {
        http_.Serve(ServerMapFolder(device_, course.id) + "//" + LocalMapStem(course) + ".dat",
                    "map of " + course.name);
    }
    fs::path MapPath(const CourseNode& course) const {
        return device_.DeviceRoot / CourseMapFolder(device_, course.id) /
               (DeviceMapStem(device_, course) + ".dat");
    }
    void StoreOldMap(const CourseNode& course, std::string_view bytes = "old map") {
        fs::create_directories(MapPath(course).parent_path());
        ASSERT_TRUE(WriteFileAtomically(MapPath(course), bytes));
    }
    fs::path ClubListPath(int zone) const {
        return device_.DeviceRoot /
               DevicePathFor(device_, DeviceClubListName(zone, device_.ModelCode));
    }
    ClubListRows ClubList(int zone) {
        const auto text = ReadFileBytes(ClubListPath(zone));
        EXPECT_TRUE(text.has_value()) << ClubListPath(zone);
        ClubListRows courses;
        for (const CourseNode& course :
             ParseTextClubList(text.value_or(""), zone, ClubListSide::Device, ui_))
            courses.emplace_back(course.name, course.version);
        return courses;
    }

    void Check(std::initializer_list<std::string_view> names) {
        for (std::size_t i = 0; i < browser_.list.rows().size(); ++i) {
            const std::string& name = browser_.list.rows()[i].course->name;
            browser_.list.SetChecked(i, std::find(names.begin(), names.end(), name) != names.end());
        }
    }
    // Starts `command` and steps it to its end, the way the terminal does.
    void Run(TransferCommand command, Transfer& transfer) {
        ASSERT_TRUE(transfer.Start(command)) << transfer.failureText();
        while (transfer.StepPending()) transfer.TransferStep(transfer.stepParameter());
    }
    void Run(TransferCommand command) { Run(command, transfer_); }
    bool Shown(std::string_view text) const {
        const auto statuses = shell_.statuses();
        return std::ranges::find(statuses, text, &StatusLine::text) != statuses.end();
    }
    CourseNode& Korean(std::size_t index) { return data_.CatalogueList[0][index]; }

    Browser browser_{data_, device_, ui_};
    Transfer transfer_{context_, browser_};
};

TEST_F(TransferTest, SelectedMapsAreStoredAndTheClubListNamesThem) {
    Check({"JEJU", "ANYANG"});
    Run(TransferCommand::SelectButton);
    EXPECT_EQ(transfer_.outcome(), TransferOutcome::Completed);
    EXPECT_EQ(ReadFileBytes(deviceFolder_.path() / "Course_V40/501000/08/JEJU.dat"), "map of JEJU");
    EXPECT_EQ(ClubList(0), (ClubListRows{{"SEOUL", 1.25}, {"ANYANG", 1.50}, {"JEJU", 2.00}}));
    // The list rows are in stored-column order: ANYANG, JEJU, SEOUL.
    EXPECT_TRUE(Shown("Storing Data to the device."));
    EXPECT_TRUE(Shown("1 Completed of 2 (JEJU CC, Area = 50100008, Zone = 0)"));
    EXPECT_EQ(shell_.statuses().back().text, kCompleted);
    EXPECT_EQ(shell_.questions().back().title, "Warining !!");
    EXPECT_EQ(shell_.progress().back(), 1000);

    ui_.SetLanguage(Language::Korean);
    transfer_.ShowProgress(5, 2, Korean(0));
    EXPECT_EQ(ui_.StatusText(), "5개 중 2개 완료 (SEOUL CC, Area = 50100101, Zone = 0)");
}

TEST_F(TransferTest, CommandsRefuseWithTheirMessages) {
    EXPECT_FALSE(transfer_.Start(TransferCommand::SelectButton));
    EXPECT_EQ(transfer_.failureText(), "No selected map.");
    // Too many new maps are refused before anything is fetched; modified maps
    // replace files and skip the estimate.
    Check({"JEJU", "ANYANG"});
    browser_.remainingMapCount = 0;
    EXPECT_FALSE(transfer_.Start(TransferCommand::SelectButton));
    EXPECT_EQ(transfer_.failureText(),
              "No more free space in device.    \r\n\r\n(Selected Maps:1, Free Space:0)    ");
    EXPECT_TRUE(http_.requests().empty());
    Run(TransferCommand::KoreaModified);

    EXPECT_FALSE(transfer_.Start(TransferCommand::KoreaModified));
    EXPECT_EQ(transfer_.failureText(), "No modified map.");
    Korean(2).mark = Mark::Stored;
    EXPECT_FALSE(transfer_.Start(TransferCommand::KoreaNew));
    EXPECT_EQ(transfer_.failureText(), "No new map.");
    EXPECT_FALSE(transfer_.Start(TransferCommand::KoreaNewAndModified));
    EXPECT_EQ(transfer_.failureText(), "No maps added or modified.");

    device_.DeviceRoot = deviceFolder_.path() / "gone";
    EXPECT_FALSE(transfer_.Start(TransferCommand::KoreaNew));
    EXPECT_EQ(transfer_.failureText(), "Please connect the device.");
    EXPECT_EQ(device_.LastDeviceError, static_cast<std::uint32_t>(ENOENT));
}

TEST_F(TransferTest, ARunningTransferRefusesEveryOtherCommand) {
    ASSERT_TRUE(transfer_.Start(TransferCommand::KoreaNew));
    EXPECT_FALSE(transfer_.Start(TransferCommand::KoreaModified));
    EXPECT_EQ(transfer_.failureText(), "Not finished downloading.");
    transfer_.DeleteSelectedMaps();
    EXPECT_EQ(transfer_.failureText(), "Not finished downloading.");
    while (transfer_.StepPending()) transfer_.TransferStep(transfer_.stepParameter());
    EXPECT_EQ(ReadFileBytes(MapPath(Korean(2))), "map of JEJU");
}

TEST_F(TransferTest, AnAlreadyStoredCourseIsAskedAbout) {
    // No skips ANYANG without fetching it; Cancel at SEOUL ends the transfer
    // after JEJU, and their zone's club list is written all the same.
    Korean(1).mark = Mark::Stored;
    Check({"ANYANG", "JEJU", "SEOUL"});
    shell_.ScriptAnswers({Answer::No, Answer::Cancel});
    Run(TransferCommand::SelectButton);
    EXPECT_EQ(shell_.questions().front(),
              (Question{"Anyang GC : Already Stored Course.\r\nDownload anyway ? ",
                        "Orvane Manager", Buttons::YesNoCancel}));
    EXPECT_EQ(http_.requests().size(), 1u);
    EXPECT_EQ(transfer_.outcome(), TransferOutcome::Cancelled);
    EXPECT_EQ(ui_.StatusText(), "Download Cancelled !");
    EXPECT_EQ(ClubList(0).size(), 3u);
}

// A copier that fails the first `failures` copies.
MapCopier FailingCopier(int failures, int& calls) {
    return [failures, &calls](const fs::path& local, const fs::path& target) {
        return ++calls <= failures ? EIO : CopyMapAtomically(local, target);
    };
}

TEST_F(TransferTest, AFailedCopyMovesTheOldMapAsideAndRestoresItWhenTheRetryFails) {
    StoreOldMap(Korean(1), "old ANYANG");
    const fs::path aside = fs::path(MapPath(Korean(1))).replace_extension(".ddd");
    int calls = 0;
    Transfer retried(context_, browser_, FailingCopier(1, calls));
    Run(TransferCommand::KoreaModified, retried);
    EXPECT_EQ(ReadFileBytes(MapPath(Korean(1))), "map of ANYANG");
    EXPECT_EQ(ReadFileBytes(aside), "old ANYANG");

    fs::remove(aside);
    StoreOldMap(Korean(1), "old ANYANG");
    Korean(1).mark = Mark::Updated;
    calls = 0;
    Transfer failing(context_, browser_, FailingCopier(2, calls));
    Run(TransferCommand::KoreaModified, failing);
    EXPECT_EQ(failing.outcome(), TransferOutcome::Failed);
    EXPECT_EQ(ReadFileBytes(MapPath(Korean(1))), "old ANYANG");
    EXPECT_FALSE(fs::exists(aside));
    EXPECT_EQ(ui_.StatusText(), "USB Error = (5), Course = Anyang GC");
    EXPECT_EQ(Korean(1).mark, Mark::Updated);
    EXPECT_TRUE(fs::is_empty(workFolder_.path()));
}

TEST_F(TransferTest, AStepArrivingWhileOneRunsIsIgnored) {
    // A window's timer may post the next step while this one still copies.
    int copies = 0;
    Transfer* running = nullptr;
    Transfer transfer(context_, browser_, [&](const fs::path& local, const fs::path& target) {
        ++copies;
        running->TransferStep(running->stepParameter());
        return CopyMapAtomically(local, target);
    });
    running = &transfer;
    Run(TransferCommand::KoreaNewAndModified, transfer);
    EXPECT_EQ(copies, 2);
    EXPECT_EQ(transfer.outcome(), TransferOutcome::Completed);
}

TEST_F(TransferTest, AClubListThatCannotBeWrittenDoesNotLeaveTheProgramBusy) {
    // A folder in the club list's place makes every write of it fail.
    ASSERT_TRUE(fs::create_directories(ClubListPath(0) / "blocker"));
    Run(TransferCommand::KoreaNew);
    EXPECT_EQ(transfer_.outcome(), TransferOutcome::Failed);
    EXPECT_FALSE(transfer_.Busy());

    // The deletion as well.
    browser_.ShowArea();
    Check({"SEOUL"});
    shell_.ScriptAnswers({Answer::Yes});
    transfer_.DeleteSelectedMaps();
    EXPECT_EQ(transfer_.outcome(), TransferOutcome::Failed);
    EXPECT_FALSE(transfer_.Busy());
}

TEST_F(TransferTest, DeletionRemovesStoredMapsAndRewritesTheirClubList) {
    StoreOldMap(Korean(0));
    StoreOldMap(Korean(1));
    // Only added courses checked: nothing to delete.
    Check({"JEJU"});
    transfer_.DeleteSelectedMaps();
    EXPECT_EQ(transfer_.failureText(), "No selected map.");
    // No to the question changes nothing.
    Check({"SEOUL", "ANYANG", "JEJU"});
    shell_.ScriptAnswers({Answer::No});
    transfer_.DeleteSelectedMaps();
    EXPECT_TRUE(fs::exists(MapPath(Korean(0))));

    shell_.Clear();
    shell_.ScriptAnswers({Answer::Yes});
    transfer_.DeleteSelectedMaps();
    EXPECT_EQ(shell_.questions().front().text,
              "Are you sure you want to delete the selected map ?");
    EXPECT_FALSE(fs::exists(MapPath(Korean(0))));
    EXPECT_TRUE(ClubList(0).empty());
    EXPECT_TRUE(Shown("Deteling the selected map from the device."));
    EXPECT_EQ(shell_.statuses().back().text, kCompleted);
    EXPECT_EQ(browser_.list.Counts().added, 3);
}

// After the server fails mid-transfer the device must be one it can use
// itself: club lists name only maps that are there, and no half-written file
// is left anywhere.
TEST_F(TransferTest, TheServerGoingAwayMidTransferLeavesTheDeviceUsable) {
    // BEIJING of zone 1, then OSAKA of zone 2, whose fetch finds the server
    // gone, refused or a map cut short.
    CourseNode& beijing = data_.CatalogueList[1].emplace_back(
        MakeCourse(1, 10100101, "BEIJING", "Beijing GC", 1.10, Mark::New));
    const CourseNode& osaka = data_.CatalogueList[2].emplace_back(
        MakeCourse(2, 10200101, "OSAKA", "Osaka CC", 1.30, Mark::New));
    Serve(beijing);
    for (const std::optional<HttpResponse>& lost :
         {std::optional<HttpResponse>(), std::optional(HttpResponse{404, "0", ""}),
          std::optional(HttpResponse{200, "500", "map of OS"})}) {
        beijing.mark = Mark::New;
        http_.Script(ServerMapFolder(device_, osaka.id) + "//OSAKA.dat", lost);
        Run(TransferCommand::OthersNew);
        EXPECT_EQ(transfer_.outcome(), TransferOutcome::Failed);
        EXPECT_EQ(ui_.StatusText(), "The connection to the server has been lost.");
        // Zone 1's list was written when the queue left it; zone 2's never was.
        EXPECT_EQ(ClubList(1), (ClubListRows{{"BEIJING", 1.10}}));
        EXPECT_TRUE(fs::exists(MapPath(beijing)));
        EXPECT_FALSE(fs::exists(ClubListPath(2)));
        EXPECT_FALSE(fs::exists(MapPath(osaka)));
        for (const auto& entry : fs::recursive_directory_iterator(device_.DeviceRoot))
            EXPECT_TRUE(entry.is_directory() || entry.path().extension() == ".dat") << entry;
        EXPECT_TRUE(fs::is_empty(workFolder_.path()));
    }
}

// A device that fills up part-way through a zone keeps the maps stored
// before; its club list must name them, or the device shows none of them.
TEST_F(TransferTest, AFullDeviceStillListsTheMapsStoredBeforeIt) {
    int copies = 0;
    Transfer filling(context_, browser_, [&](const fs::path& local, const fs::path& target) {
        return ++copies > 1 ? ENOSPC : CopyMapAtomically(local, target);
    });
    // ANYANG (modified) goes in; JEJU finds the device full.
    Run(TransferCommand::KoreaNewAndModified, filling);
    EXPECT_EQ(filling.outcome(), TransferOutcome::Failed);
    EXPECT_EQ(ui_.StatusText(), "USB Error = (28), Course = Jeju Ocean");
    EXPECT_EQ(ReadFileBytes(MapPath(Korean(1))), "map of ANYANG");
    EXPECT_FALSE(fs::exists(MapPath(Korean(2))));
    EXPECT_EQ(ClubList(0), (ClubListRows{{"SEOUL", 1.25}, {"ANYANG", 1.50}}));
    EXPECT_TRUE(fs::is_empty(workFolder_.path()));
}

// A name from the server that would leave its folder is told as such, not as
// a lost server, and nothing is fetched for it.
TEST_F(TransferTest, AMapNameThatWouldLeaveItsFolderIsToldAsSuch) {
    Korean(2).name = "../JEJU";
    Run(TransferCommand::KoreaNew);
    EXPECT_EQ(transfer_.outcome(), TransferOutcome::Failed);
    EXPECT_EQ(transfer_.failureText(), "The map's file name cannot be used: ../JEJU.dat");
    EXPECT_TRUE(http_.requests().empty());
}

// Course folders that are links off the device are never written through,
// nor are maps removed through them; a folder in a map's place is no map
// that was deleted.
TEST_F(TransferTest, LinksAndFoldersInTheMapsPlaceAreRefused) {
    testing::TempFolder outside;
    const fs::path root = deviceFolder_.path();
    fs::create_directories(root / "Course_V40");
    fs::create_directory_symlink(outside.path(), root / "Course_V40/501000");
    Run(TransferCommand::KoreaNew);
    EXPECT_EQ(transfer_.outcome(), TransferOutcome::Failed);
    EXPECT_EQ(ui_.StatusText(), "USB Error = (40), Course = Jeju Ocean");
    EXPECT_TRUE(fs::is_empty(outside.path()));

    outside.Write("SEOUL.dat", "not the device's");
    fs::remove(root / "Course_V40/501000");
    fs::create_directories(root / "Course_V40/501001");
    fs::create_directory_symlink(outside.path(), root / "Course_V40/501001/01");
    fs::create_directories(MapPath(Korean(1)));
    for (const auto& [name, error] :
         {std::pair{"SEOUL", "USB Error = (40), Course = Seoul CC"},
          std::pair{"ANYANG", "USB Error = (21), Course = Anyang GC"}}) {
        browser_.ShowArea();
        Check({name});
        shell_.ScriptAnswers({Answer::Yes});
        transfer_.DeleteSelectedMaps();
        EXPECT_EQ(transfer_.outcome(), TransferOutcome::Failed) << name;
        EXPECT_EQ(transfer_.failureText(), error);
        EXPECT_FALSE(transfer_.Busy());
    }
    EXPECT_EQ(ReadFileBytes(outside.path() / "SEOUL.dat"), "not the device's");
    EXPECT_TRUE(fs::is_directory(MapPath(Korean(1))));
    EXPECT_EQ(Korean(0).mark, Mark::Stored);
    EXPECT_EQ(Korean(1).mark, Mark::Updated);
}

// An alias lives in the first-generation folder on every model; an unsafe
// name is looked for nowhere.
TEST(DeletionMapPathTest, FollowsTheAliasTheModelAndTheName) {
    DeviceLink device{.DeviceRoot = "/dev-root", .ModelCode = kFirstGenerationModel};
    CourseNode course{.id = 50101234, .name = "LONGNAME", .shortKey = "SHORT___"};
    EXPECT_EQ(DeletionMapPath(device, course), "/dev-root/Cour107/000012/34/SHORT___.dat");
    device.ModelCode = 9;
    course.fileKey = "_0001234";
    EXPECT_EQ(DeletionMapPath(device, course), "/dev-root/Cour107/000012/34/_0001234.dat");
    course = {.id = 50101234, .name = "../x"};
    EXPECT_TRUE(DeletionMapPath(device, course).empty());
}

// The finish rewrites the club lists its step parameter names.
struct FinishCase {
    std::vector<int> zones;  // zones of the queued new courses
    int parameter;
    std::vector<int> written;
};

class FinishTransferTest : public TransferTest, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(FinishTransferTest, WritesTheZonesOfItsRow) {
    const auto& [zones, parameter, expected] = GetParam();
    for (int zone : zones) {
        Serve(data_.CatalogueList[static_cast<std::size_t>(zone)].emplace_back(
            MakeCourse(zone, 10100100 + zone, "Z" + std::to_string(zone), "", 1.0, Mark::New)));
    }
    ASSERT_TRUE(transfer_.Start(zones.front() == 0 ? TransferCommand::KoreaNew
                                                   : TransferCommand::OthersNew));
    while (transfer_.StepPending()) transfer_.TransferStep(parameter);
    std::vector<int> written;
    for (int zone = 0; zone < kZoneCount; ++zone)
        if (fs::exists(ClubListPath(zone))) written.push_back(zone);
    EXPECT_EQ(written, expected);
}

// The Others row also writes zone 4: that view takes Australian courses too.
INSTANTIATE_TEST_SUITE_P(Rows, FinishTransferTest,
                         ::testing::Values(FinishCase{{0}, 0, {0}}, FinishCase{{3}, 1, {}},
                                           FinishCase{{1}, 7, {4}}, FinishCase{{5, 9}, 100, {5, 9}},
                                           FinishCase{{21}, 300, {4, 21}},
                                           FinishCase{{24, 25}, 203, {24, 25}},
                                           FinishCase{{0}, 400, {0}},
                                           FinishCase{{2, 6}, 500, {2, 6}}));

}  // namespace
}  // namespace orvane
