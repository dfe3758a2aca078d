#pragma once

#include "app/ConnectDevice.h"
#include "cli/CliApp.h"
#include "cli/TerminalShell.h"
#include "device/Discovery.h"
#include "platform/HttpModule.h"

namespace orvane::cli {

// One connection run from the command line: a terminal shell (on standard
// error when standard output carries JSON), the server, and the device from
// --device or discovery.
class ConnectedRun {
public:
    explicit ConnectedRun(const CliContext& context)
        : shell_(context.json ? context.err : context.out, context.answer, true),
          http_(OpenHttpClient(context.server)),
          session_(shell_, context.language, *http_, context.WorkFolder()) {
        if (context.device) {
            PickDeviceRoot(session_.device, *context.device);
        } else {
            FindDevice(session_.device, *context.MakeVolumeSource());
        }
        connected_ = ConnectDevice(session_);
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
