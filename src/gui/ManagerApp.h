#pragma once

#include "app/DeviceWatch.h"
#include "app/Session.h"
#include "gui/CFairsyncDlg.h"
#include "gui/CoreWorker.h"
#include "gui/GuiShell.h"
#include "gui/ManagerOptions.h"
#include "gui/Prompter.h"
#include "gui/RecordWindows.h"
#include "platform/CurlHttpClient.h"
#include "platform/UdevVolumeSource.h"

namespace orvane::gui {

// One run of the window: the session and everything it talks through, the
// worker that runs the core, and the main window. The window links the
// libcurl client itself: the command line loads it on demand to start fast,
// while a window starts with Qt's libraries anyway. Members are destroyed in
// reverse order: the window first, then the worker's thread, then the
// session.
class ManagerApp {
public:
    explicit ManagerApp(const ManagerOptions& options);

    // Shows the window and starts looking for the device.
    void Show();
    CFairsyncDlg& window() { return window_; }
    GuiShell& shell() { return shell_; }
    Session& session() { return session_; }

private:
    Prompter prompter_;
    GuiShell shell_;
    CurlHttpClient http_;
    UdevVolumeSource volumes_;
    Session session_;
    DeviceWatch watch_;
    CoreWorker worker_;
    CFairsyncDlg window_;
    RecordWindows records_;
};

}  // namespace orvane::gui
