#pragma once

#include "app/DeviceLocation.h"
#include "cli/CliApp.h"
#include "cli/TerminalShell.h"
#include "platform/HttpModule.h"

namespace orvane::cli {

// One connection run from the command line: a terminal shell (on standard
// error when standard output carries JSON), the server, and the device from
// --device or discovery.
class ConnectedRun {
public:
    explicit ConnectedRun(const CliContext& context)
        : shell_(context.json ? context.err : context.out, context.language, context.answer, true),
          http_(OpenHttpClient(context.server)),
          session_(shell_, context.language, *http_, context.WorkFolder()) {
        connected_ = LocateAndConnect(session_, *context.MakeVolumeSource(), context.device);
    }
    ConnectedRun(const ConnectedRun&) = delete;
    ConnectedRun& operator=(const ConnectedRun&) = delete;

    Session& session() { return session_; }
    bool connected() const { return connected_; }

private:
    TerminalShell shell_;
    std::unique_ptr<HttpClient> http_;
    Session session_;
    bool connected_ = false;
};

}  // namespace orvane::cli
