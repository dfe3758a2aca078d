#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

#include "app/DeviceWatch.h"
#include "app/MainMenus.h"
#include "app/Session.h"
#include "gui/AreaTabs.h"
#include "gui/CBitmapText.h"
#include "gui/CoreWorker.h"
#include "gui/CourseListModel.h"
#include "gui/CourseListPane.h"
#include "gui/DevicePanel.h"
#include "gui/GuiShell.h"
#include "gui/HeaderPanel.h"
#include "gui/InformationBox.h"
#include "gui/MenuBar.h"
#include "gui/Prompter.h"
#include "gui/SearchPanel.h"
#include "gui/StatusPanel.h"
#include "gui/TransferPacer.h"

namespace orvane::gui {

// The main window. It shows what the core decides and passes the person's
// clicks back: every command runs on the core's worker (see CoreWorker), the
// window catches up with the core when the job has ended, and input waits
// (is dropped) while a job or a transfer runs, as the system's single
// thread made it wait. Stop and the menu bar stay open during a transfer.
class CFairsyncDlg : public QMainWindow {
    Q_OBJECT
public:
    CFairsyncDlg(Session& session, CoreWorker& worker, DeviceWatch& watch, GuiShell& shell,
                 Prompter& prompter);
    ~CFairsyncDlg() override;

    // Looks for the device 300 ms after this, then once a second.
    void StartLooking();
    void RunCommand(WindowCommand command);
    // The record windows' commands go to whoever opens them.
    void SetRecordCommands(std::function<void(WindowCommand)> open) { openRecords_ = std::move(open); }

    // The panes, for the record windows and for tests.
    HeaderPanel& header() { return *header_; }
    DevicePanel& devicePanel() { return *devicePanel_; }
    StatusPanel& statusPanel() { return *status_; }
    AreaTabs& tabs() { return *tabs_; }
    CourseListModel& courses() { return model_; }
    CourseListPane& courseList() { return *list_; }
    SearchPanel& search() { return *search_; }
    InformationBox& informationBox() { return *information_; }
    MenuBar& menus() { return *menus_; }
    CBitmapText& button(int controlId);
    TransferPacer& pacer() { return pacer_; }
    CoreWorker& worker() { return worker_; }
    Session& session() { return session_; }
    // No job and no transfer runs: the window takes input.
    bool idle() const { return !worker_.busy() && !pacer_.running(); }

signals:
    // The window has caught up with the core after a job.
    void caughtUp();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPanel();
    void Connect();
    void RunJob(CoreWorker::Job job, std::function<void()> done = {});
    void CatchUp();
    void ApplyLanguage(Language language);
    void LookForDevice();
    void StartTransfer(TransferCommand command);
    void Search();
    void EnableCommands();
    bool FiltersKey(QKeyEvent& key);
    bool OwnsInput(QObject* watched) const;

    Session& session_;
    CoreWorker& worker_;
    DeviceWatch& watch_;
    Prompter& prompter_;
    CourseListModel model_;
    TransferPacer pacer_;
    QTimer look_;

    MenuBar* menus_ = nullptr;
    HeaderPanel* header_ = nullptr;
    DevicePanel* devicePanel_ = nullptr;
    SearchPanel* search_ = nullptr;
    AreaTabs* tabs_ = nullptr;
    CourseListPane* list_ = nullptr;
    StatusPanel* status_ = nullptr;
    InformationBox* information_ = nullptr;
    std::vector<CBitmapText*> buttons_;

    std::uint64_t tabsSeen_ = ~std::uint64_t{0};
    std::function<void(WindowCommand)> openRecords_;
    bool exitConfirmed_ = false;
};

}  // namespace orvane::gui
