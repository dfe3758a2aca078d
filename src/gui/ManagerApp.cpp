#include "gui/ManagerApp.h"

namespace orvane::gui {

ManagerApp::ManagerApp(const ManagerOptions& options)
    : shell_(prompter_),
      http_(options.server),
      volumes_(options.mountInfoPath),
      session_(shell_, options.language, http_, options.workFolder),
      watch_(volumes_, options.device),
      worker_(session_),
      window_(session_, worker_, watch_, shell_, prompter_),
      records_(worker_, prompter_, window_) {
    window_.SetRecordCommands([this](WindowCommand command) { records_.Open(command); });
}

void ManagerApp::Show() {
    window_.show();
    window_.StartLooking();
}

}  // namespace orvane::gui
