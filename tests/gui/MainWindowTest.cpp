#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "SuiteWorld.h"
#include "browser/InformationBox.h"
#include "browser/Transfer.h"
#include "catalogue/ZoneTable.h"
#include "device/DevicePaths.h"
#include "gui/CAboutDlg.h"
#include "shell/StringTable.h"
#include "support/FaultServer.h"
#include "util/TextDecoding.h"

namespace orvane::testing {

const WorldRecipe kWorldRecipe{7, {"--courses", "400"}, ""};

namespace {

namespace fs = std::filesystem;

// The main window against a small demo world.
class MainWindowTest : public ::testing::Test {
protected:
    fs::path CopyDevice(const fs::path& to) const {
        return World().world().CopyDevice("model7-kr", to);
    }
    // A connected window over a copy of a Korean device.
    std::unique_ptr<WindowDriver> Connected(Language language) {
        return ConnectedWindow(CopyDevice(scratch_.path() / "device"), scratch_.path(), language);
    }

    static QString Name(QObject* object) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
        return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
    }

    // What the model shows of each row, against what the core's rows say.
    static void ExpectModelShowsCoreRows(WindowDriver& driver) {
        const auto& rows = driver.session().browser.list.rows();
        gui::CourseListModel& model = driver.window().courses();
        ASSERT_EQ(model.rowCount(), static_cast<int>(rows.size()));
        for (int row = 0; row < model.rowCount(); row += std::max(1, model.rowCount() / 25)) {
            const CourseRow& core = rows[static_cast<std::size_t>(row)];
            for (std::size_t column : {kStoredColumn, kAddedColumn, kModifiedColumn}) {
                EXPECT_EQ(model.data(model.index(row, static_cast<int>(column)), Qt::DisplayRole)
                              .toString()
                              .toStdString(),
                          DisplayText(core.Cell(column)));
            }
            EXPECT_EQ(model.data(model.index(row, 0), Qt::CheckStateRole).toInt() == Qt::Checked,
                      core.checked);
        }
    }

    static const CourseNode* Course(WindowDriver& driver, std::string_view name) {
        const auto row = driver.session().browser.list.FindByName(name);
        return row ? driver.session().browser.list.rows()[*row].course : nullptr;
    }

    // Clicks the check box of course `name` as a person does.
    static void ClickCheckBox(WindowDriver& driver, std::string_view name) {
        const auto row = driver.session().browser.list.FindByName(name);
        ASSERT_TRUE(row) << name;
        gui::CourseListPane& list = driver.window().courseList();
        const QModelIndex index = list.model()->index(static_cast<int>(*row), 0);
        list.scrollTo(index);
        WindowDriver::Click(*list.viewport(), list.visualRect(index).center());
    }

    TempFolder scratch_;
};

// Where the device keeps a course's map.
fs::path MapOnDevice(const DeviceLink& device, const CourseNode& course) {
    return device.DeviceRoot / CourseMapFolder(device, course.id) /
           (DeviceMapStem(device, course) + ".dat");
}

// Whether the device's club list of the course's zone has a line for it.
bool Listed(const DeviceLink& device, const CourseNode& course) {
    const std::string list =
        ReadWholeFile(device.DeviceRoot /
                      DevicePathFor(device, DeviceClubListName(course.zone, device.ModelCode)));
    return list.starts_with(course.name + " ") ||
           list.find("\n" + course.name + " ") != std::string::npos;
}

TEST_F(MainWindowTest, WaitsForTheDeviceThenConnectsStageByStage) {
    const fs::path device = scratch_.path() / "device";
    auto driver = OpenWindow(device, scratch_.path(), Language::English);
    EXPECT_FALSE(driver->Connect(std::chrono::milliseconds(1500)));
    EXPECT_EQ(driver->Status(), "Waiting for the USB connection.");
    EXPECT_EQ(driver->window().header().memoryLine(), "[Remained Memory Space(Map Count)]: _____");
    EXPECT_EQ(driver->window().header().deviceVersionLine(),
              "Device Version(SW/HW): __._.___ / __._.___");

    // Plugged in: found at the next look, connected stage by stage.
    CopyDevice(device);
    ASSERT_TRUE(WaitFor([&] {
        return driver->window().idle() && driver->Status() == "The connection has been completed.";
    }));
    const QStringList& seen = driver->statuses();
    const QStringList stages = {"Connecting to USB.",
                                "Connecting to the server.",
                                "Receiving data from the server.",
                                "Analyzing Clublist.",
                                "Analyzing Clublist in foreign countries.",
                                "Analyzing USA's Clublist. (zone = 5)",
                                "Analyzing USA's Clublist. (zone = 19)",
                                "Analyzing User data.",
                                "The connection has been completed."};
    qsizetype at = 0;
    for (const QString& stage : stages) {
        at = seen.indexOf(stage, at);
        EXPECT_GE(at, 0) << stage.toStdString() << " in order";
    }
    const std::vector<int>& progress = driver->progress();
    EXPECT_TRUE(std::is_sorted(std::find(progress.begin(), progress.end(), 400), progress.end()));
    EXPECT_EQ(driver->window().statusPanel().progress(), 1000);
    EXPECT_TRUE(
        driver->window().header().deviceVersionLine().startsWith("Device Version(SW/HW): V5.1"));
    ExpectModelShowsCoreRows(*driver);
}

TEST_F(MainWindowTest, MenusAndTextsFollowTheLanguageSwitch) {
    auto driver = Connected(Language::Korean);
    gui::CFairsyncDlg& window = driver->window();
    const auto titles = [&] {
        QStringList shown;
        for (QAction* menu : window.menus().actions()) shown << menu->text();
        return shown;
    };
    EXPECT_EQ(titles(), (QStringList{"파일(&F)", "내려받기(&D)", "삭제(&T)", "기록관리(&R)",
                                     "&Language", "도움말(&H)"}));
    QAction* search = window.menus().action(WindowCommand::SearchCourses);
    EXPECT_EQ(search->text(), "골프장 찾기");
    EXPECT_EQ(search->data().toInt(), 32774);
    EXPECT_EQ(Name(&window.button(1002)), "선택한 맵 내려받기");
    EXPECT_EQ(driver->Status(), "연결이 완료 되었습니다.");
    EXPECT_TRUE(window.header().memoryLine().startsWith("[남은 저장 공간(골프장갯수)]: "));
    // The header's lines and the status line reach assistive technology.
    QStringList read;
    for (QLabel* label : window.findChildren<QLabel*>()) read << Name(label);
    EXPECT_TRUE(read.contains(window.header().memoryLine()));
    EXPECT_TRUE(read.contains(window.header().deviceVersionLine()));
    EXPECT_TRUE(read.contains("연결이 완료 되었습니다."));

    window.menus().action(WindowCommand::EnglishTexts)->trigger();
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_EQ(titles(), (QStringList{"&File", "&Download", "D&eletion", "&Record Data", "&Language",
                                     "&Help"}));
    search = window.menus().action(WindowCommand::SearchCourses);
    EXPECT_EQ(search->text(), "&Search for Golf Course");
    EXPECT_EQ(search->data().toInt(), 32806);
    EXPECT_EQ(Name(&window.button(1002)), "Selected Map Download");
    EXPECT_EQ(Name(&window.button(1013)), "Quit");
    EXPECT_EQ(driver->Status(), "The connection has been completed.");
    EXPECT_TRUE(window.header().memoryLine().startsWith("[Remained Memory Space(Map Count)]: "));
    EXPECT_EQ(
        window.courses().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString().toStdString(),
        driver->session().browser.headings[0]);
    EXPECT_TRUE(window.courses()
                    .headerData(1, Qt::Horizontal, Qt::DisplayRole)
                    .toString()
                    .startsWith("Stored Courses ("));

    // Choosing the active language again changes nothing one can see.
    const auto visible = [&] {
        QStringList texts = titles();
        texts << driver->Status() << window.header().memoryLine() << Name(&window.button(1003));
        for (int tab = 0; tab < window.tabs().region()->count(); ++tab)
            texts << window.tabs().region()->tabText(tab);
        for (int column = 1; column <= 3; ++column)
            texts
                << window.courses().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        texts << QString::number(window.courses().rowCount());
        return texts;
    };
    const QStringList before = visible();
    window.menus().action(WindowCommand::EnglishTexts)->trigger();
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_EQ(visible(), before);
}

TEST_F(MainWindowTest, TabsHeadingsAndChecksDriveTheCoreList) {
    auto driver = Connected(Language::Korean);
    gui::CFairsyncDlg& window = driver->window();
    Browser& browser = driver->session().browser;

    // A subdivided country shows its sub-area strip and lowers the list.
    const int listTop = window.courseList().y();
    WindowDriver::Click(window.button(1159));
    ASSERT_TRUE(driver->WaitIdle());
    window.tabs().country()->setCurrentIndex(1);
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_EQ(browser.SelectionCode(), 101);
    EXPECT_TRUE(window.tabs().subArea()->isVisible());
    EXPECT_EQ(window.courseList().y(), listTop + 28);
    EXPECT_EQ(window.tabs().region()->accessibleName(), "지역");
    ExpectModelShowsCoreRows(*driver);

    WindowDriver::Click(window.button(1158));
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_FALSE(window.tabs().subArea()->isVisible());
    EXPECT_EQ(window.courseList().y(), listTop);
    ASSERT_GT(window.courses().rowCount(), 2);

    // The view never sorts by itself: the heading goes to the core.
    QHeaderView* header = window.courseList().horizontalHeader();
    WindowDriver::Click(*header->viewport(), {header->sectionViewportPosition(3) + 20, 10});
    ASSERT_TRUE(driver->WaitIdle());
    ExpectModelShowsCoreRows(*driver);
    EXPECT_TRUE(browser.list.rows().front().IsModified());

    WindowDriver::Click(*header->viewport(), {header->sectionViewportPosition(0) + 5, 10});
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_TRUE(std::ranges::all_of(browser.list.rows(), &CourseRow::checked));
    ExpectModelShowsCoreRows(*driver);
    WindowDriver::Click(*header->viewport(), {header->sectionViewportPosition(0) + 5, 10});
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_TRUE(std::ranges::none_of(browser.list.rows(), &CourseRow::checked));

    ClickCheckBox(*driver, browser.list.rows()[1].course->name);
    EXPECT_TRUE(browser.list.rows()[1].checked);
    // The list's cells and check states reach assistive technology.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.courseList());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "골프장 목록");
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    QAccessibleInterface* cell = cells->cellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name).toStdString(),
              DisplayText(browser.list.rows()[1].Cell(kStoredColumn)));
    EXPECT_TRUE(cells->cellAt(1, 0)->state().checked);
}

TEST_F(MainWindowTest, SearchFindsACp949TitleByItsKoreanWord) {
    auto driver = Connected(Language::Korean);
    gui::CFairsyncDlg& window = driver->window();
    const auto& korea = driver->session().catalogue.CatalogueList[0];
    const auto cp949 = std::ranges::find_if(
        korea, [](const CourseNode& course) { return !IsValidUtf8(course.title); });
    ASSERT_NE(cp949, korea.end()) << "the demo's Korean titles come in CP949";
    const std::string title = DisplayText(cp949->title);
    const QString word = QString::fromStdString(title.substr(0, title.find(' ')));

    // Korean is typed through the input method, which commits whole syllables.
    QInputMethodEvent typed;
    typed.setCommitString(word);
    QApplication::sendEvent(window.search().edit(), &typed);
    QTest::keyClick(window.search().edit(), Qt::Key_Return);
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_EQ(driver->session().browser.SelectionCode(), 400);
    EXPECT_NE(Course(*driver, cp949->name), nullptr);
    ExpectModelShowsCoreRows(*driver);
    EXPECT_EQ(window.search().edit()->text(), word);

    // Enter with an empty box does nothing; the find button says "No input.".
    window.search().edit()->clear();
    driver->boxes().Clear();
    QTest::keyClick(window.search().edit(), Qt::Key_Return);
    ASSERT_TRUE(driver->WaitIdle());
    EXPECT_TRUE(driver->boxes().shown().empty());
    WindowDriver::Click(*window.search().findButton());
    ASSERT_TRUE(driver->WaitIdle());
    ASSERT_TRUE(WaitFor([&] { return !driver->boxes().shown().empty(); }));
    EXPECT_EQ(driver->boxes().lastText(), "입력이 없습니다.");
    EXPECT_EQ(driver->boxes().shown().back().title, "알림");
}

TEST_F(MainWindowTest, StoresTwoMapsAndDeletesOne) {
    auto driver = Connected(Language::English);
    gui::CFairsyncDlg& window = driver->window();
    Session& session = driver->session();

    WindowDriver::Click(window.button(1002));
    ASSERT_TRUE(driver->WaitIdle());
    ASSERT_TRUE(WaitFor([&] { return !driver->boxes().shown().empty(); }));
    EXPECT_EQ(driver->boxes().lastText(), "No selected map.");

    std::vector<std::string> names;
    for (const CourseRow& row : session.browser.list.rows()) {
        if (row.mark == Mark::New && names.size() < 2) names.push_back(row.course->name);
    }
    ASSERT_EQ(names.size(), 2u);
    for (const std::string& name : names) ClickCheckBox(*driver, name);
    driver->boxes().Clear();
    WindowDriver::Click(window.button(1002));
    ASSERT_TRUE(WaitFor([&] { return window.idle() && !window.pacer().running(); }));
    ASSERT_TRUE(WaitFor([&] { return !driver->boxes().shown().empty(); }));
    EXPECT_EQ(driver->boxes().shown().back().title, "Warining !!");
    EXPECT_EQ(driver->Status(),
              "Operation Completed. Disconnect USB, then device will apply the modification.");

    // Each map is on the device and its club list names it (the bytes are
    // the transfer's tests' to check).
    const DeviceLink& device = session.device;
    for (const std::string& name : names) {
        const CourseNode& course = *Course(*driver, name);
        EXPECT_EQ(course.mark, Mark::Stored);
        EXPECT_TRUE(fs::exists(MapOnDevice(device, course))) << name;
        EXPECT_TRUE(Listed(device, course)) << name;
    }

    // Deleting the first again: asked, then gone.
    ClickCheckBox(*driver, names[0]);
    driver->boxes().Clear();
    driver->boxes().Script({"Yes"});
    window.menus().action(WindowCommand::DeleteSelectedMaps)->trigger();
    ASSERT_TRUE(driver->WaitIdle());
    ASSERT_TRUE(WaitFor([&] { return driver->boxes().shown().size() >= 2; }));
    EXPECT_EQ(driver->boxes().shown()[0].text,
              "Are you sure you want to delete the selected map ?");
    EXPECT_EQ(driver->boxes().shown()[0].title, "Warning");
    const CourseNode& deleted = *Course(*driver, names[0]);
    EXPECT_EQ(deleted.mark, Mark::New);
    EXPECT_FALSE(fs::exists(MapOnDevice(device, deleted)));
}

TEST_F(MainWindowTest, InformationBoxFollowsThePointerOverTheAreaButton) {
    auto driver = Connected(Language::English);
    gui::CFairsyncDlg& window = driver->window();
    gui::CBitmapText& area = window.button(1003);
    EXPECT_FALSE(window.informationBox().isVisible());
    EXPECT_EQ(area.cursor().shape(), Qt::PointingHandCursor);

    QEnterEvent enter(QPointF(5, 5), area.mapToGlobal(QPointF(5, 5)),
                      area.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&area, &enter);
    EXPECT_TRUE(window.informationBox().isVisible());
    const std::string expected = InformationText(driver->session().browser, Language::English);
    EXPECT_EQ(window.informationBox().text(),
              QString::fromStdString(expected).replace("\r\n", "\n"));
    EXPECT_TRUE(window.informationBox().text().startsWith("Download All Courses\nAdded("));
    QTest::mouseMove(&area, QPoint(40, 20));
    EXPECT_TRUE(window.informationBox().isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&area, &leave);
    EXPECT_FALSE(window.informationBox().isVisible());
}

TEST_F(MainWindowTest, EscapeStopsATransferAndNeverClosesTheWindow) {
    auto driver = Connected(Language::English);
    gui::CFairsyncDlg& window = driver->window();
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());

    window.menus().action(WindowCommand::DownloadOthersNew)->trigger();
    ASSERT_TRUE(WaitFor([&] { return driver->Status().startsWith("3 Completed of "); }));
    EXPECT_TRUE(window.menus().action(WindowCommand::StopTransfer)->isEnabled());
    EXPECT_FALSE(window.menus().action(WindowCommand::SearchCourses)->isEnabled());
    QTest::keyClick(&window, Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return window.idle(); }));
    EXPECT_EQ(driver->Status(), "Download Cancelled !");
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(driver->session().transfer.Busy());

    // What was stored before the stop is known to the device's club lists.
    const Session& session = driver->session();
    int stored = 0;
    for (int zone = 1; zone < kZoneCount; ++zone) {
        for (const CourseNode& course :
             session.catalogue.CatalogueList[static_cast<std::size_t>(zone)]) {
            if (!fs::exists(MapOnDevice(session.device, course)) || course.mark != Mark::Stored)
                continue;
            EXPECT_TRUE(Listed(session.device, course)) << course.name;
            ++stored;
        }
    }
    EXPECT_GE(stored, 3);
}

TEST_F(MainWindowTest, UnpluggedAndPluggedAgainItGoesBackToWaitingAndConnects) {
    const fs::path device = scratch_.path() / "device";
    auto driver = ConnectedWindow(CopyDevice(device), scratch_.path(), Language::English);
    fs::rename(device, scratch_.path() / "away");
    ASSERT_TRUE(WaitFor([&] {
        return driver->Status() == "The device was disconnected. Waiting for the USB connection.";
    }));
    gui::CFairsyncDlg& window = driver->window();
    EXPECT_EQ(window.header().memoryLine(), "[Remained Memory Space(Map Count)]: _____");
    EXPECT_EQ(window.header().deviceVersionLine(), "Device Version(SW/HW): __._.___ / __._.___");
    EXPECT_EQ(window.courses().rowCount(), 0);

    fs::rename(scratch_.path() / "away", device);
    ASSERT_TRUE(WaitFor([&] { return driver->Status() == "The connection has been completed."; }));
    EXPECT_GT(window.courses().rowCount(), 0);
}

TEST_F(MainWindowTest, ExitAsksFirstAndTheAboutBoxNamesTheProgram) {
    auto driver = Connected(Language::Korean);
    gui::CFairsyncDlg& window = driver->window();
    window.show();
    driver->boxes().Script({"아니오"});
    // The window manager's close button asks as the exit command does.
    window.close();
    ASSERT_TRUE(WaitFor([&] { return !driver->boxes().shown().empty() && window.idle(); }));
    EXPECT_EQ(driver->boxes().lastText(), "종료 하시겠습니까 ?   ");
    EXPECT_EQ(driver->boxes().shown().back().buttons, (QStringList{"예", "아니오"}));
    EXPECT_TRUE(window.isVisible());
    driver->boxes().Script({"예"});
    window.RunCommand(WindowCommand::Exit);
    ASSERT_TRUE(WaitFor([&] { return !window.isVisible(); }));

    gui::CAboutDlg about(Language::Korean, nullptr);
    EXPECT_EQ(about.windowTitle(), "Orvane Manager 정보");
    QStringList texts;
    for (QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Orvane Manager V1.00"));
    EXPECT_TRUE(texts.contains("--  2019.08.01"));
}

TEST_F(MainWindowTest, InstrumentFindConnectsTheFolderPickedByHand) {
    auto driver = OpenWindow(scratch_.path() / "nowhere", scratch_.path(), Language::English);
    ASSERT_FALSE(driver->Connect(std::chrono::milliseconds(1200)));
    const fs::path device = CopyDevice(scratch_.path() / "picked");
    FileDialogAnswerer files;
    files.Script(device);
    driver->window().RunCommand(WindowCommand::FindInstrument);
    ASSERT_TRUE(WaitFor([&] {
        return driver->window().idle() && driver->Status() == "The connection has been completed.";
    }));
    EXPECT_EQ(driver->session().device.DeviceRoot, device);
    EXPECT_EQ(files.shown().size(), 1u);
}

// The connection's first request never gets an answer: the window goes on
// painting and its timers fire while the worker waits.
TEST_F(MainWindowTest, AStalledServerNeverFreezesTheWindow) {
    auto server = std::make_unique<FaultServer>(std::vector{FaultResponse::Stall()});
    auto driver = OpenWindow(CopyDevice(scratch_.path() / "device"), scratch_.path(),
                             Language::English, server->url());
    driver->window().StartLooking();
    driver->window().show();
    ASSERT_TRUE(WaitFor([&] { return !server->requests().empty(); }));
    EXPECT_FALSE(driver->window().idle());

    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] { ++ticks; });
    heartbeat.start(50);
    QTest::qWait(1000);
    EXPECT_GE(ticks, 15);
    EXPECT_EQ(driver->Status(), "Receiving data from the server.");
    EXPECT_FALSE(driver->window().grab().isNull());

    // The server goes away: the fetch fails, its message is answered, and
    // the window takes input again.
    server.reset();
    ASSERT_TRUE(driver->WaitIdle());
}

}  // namespace
}  // namespace orvane::testing
