#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace orvane::testing {

// A real nginx serving `root` on 127.0.0.1 as a child of the test, with its
// configuration, logs and scratch files in a folder of its own. The
// constructor returns once nginx listens; the destructor stops nginx and its
// workers and reaps them. Should the test process die first, the kernel sends
// nginx SIGTERM.
class NginxServer {
public:
    explicit NginxServer(std::filesystem::path root);
    ~NginxServer();
    NginxServer(const NginxServer&) = delete;
    NginxServer& operator=(const NginxServer&) = delete;

    // "http://127.0.0.1:<port>"
    std::string url() const;
    // What nginx wrote to its error log, for failure messages.
    std::string Log() const;

private:
    void WriteConfig(const std::filesystem::path& root) const;
    void Spawn();
    bool WaitUntilServing();
    void Stop();

    TempFolder state_;
    std::uint16_t port_ = 0;
    pid_t pid_ = -1;
};

}  // namespace orvane::testing
