#include "support/NginxServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <stdexcept>
#include <thread>
#include <vector>

#ifndef ORVANE_NGINX
#error "ORVANE_NGINX names the nginx program"
#endif

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

// A port nobody listens on right now. Another process may take it before
// nginx does; the caller then tries again.
std::uint16_t FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}};
    socklen_t size = sizeof address;
    const bool bound = fd >= 0 &&
                       ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                       ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    if (fd >= 0) ::close(fd);
    if (!bound) throw std::runtime_error("no free port on 127.0.0.1");
    return ntohs(address.sin_port);
}

// Whether the child has ended. It is left a zombie, so that its process id,
// and with it the id of its process group, cannot be reused until reaped.
bool HasEnded(pid_t pid) {
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
        if (errno != EINTR) return true;
    }
    return info.si_pid == pid;
}

}  // namespace

NginxServer::NginxServer(std::filesystem::path root) {
    // The port is only known to be free when it is picked, so a lost race
    // with another test is retried on a new one.
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = FreePort();
        WriteConfig(root);
        Spawn();
        if (WaitUntilServing()) return;
        Stop();
    }
    throw std::runtime_error("nginx did not start:\n" + Log());
}

NginxServer::~NginxServer() { Stop(); }

std::string NginxServer::url() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::string NginxServer::Log() const { return ReadWholeFile(state_.path() / "error.log"); }

void NginxServer::WriteConfig(const std::filesystem::path& root) const {
    const auto in = [&](const char* name) {
        return " \"" + (state_.path() / name).string() + "\"";
    };
    // Workers otherwise drop to "nobody", who cannot enter the private
    // temporary folders the tests serve from.
    std::string config = ::geteuid() == 0 ? "user root;\n" : "";
    config += "worker_processes 1;\npid" + in("nginx.pid") + ";\nlock_file" + in("nginx.lock") +
              ";\nerror_log" + in("error.log") + " notice;\nevents { worker_connections 64; }\n" +
              "http {\n  default_type application/octet-stream;\n  access_log" + in("access.log") +
              ";\n";
    for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        config += std::string("  ") + kind + "_temp_path" + in(kind) + ";\n";
    config += "  server { listen 127.0.0.1:" + std::to_string(port_) + "; root \"" + root.string() +
              "\"; }\n}\n";
    state_.Write("nginx.conf", config);
    std::filesystem::remove(state_.path() / "nginx.pid");
}

void NginxServer::Spawn() {
    // Errors from before the configuration is read go to the same log.
    const std::string dir = state_.path().string();
    std::vector<std::string> args = {ORVANE_NGINX,        "-p", dir + "/",          "-c",
                                     dir + "/nginx.conf", "-e", dir + "/error.log", "-g",
                                     "daemon off;"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls between fork and exec.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (child < 0) throw std::runtime_error("cannot start nginx");
    // Both sides set the group, so that it exists whichever runs first.
    ::setpgid(child, child);
    pid_ = child;
}

bool NginxServer::WaitUntilServing() {
    // nginx writes its pid file only after its listening socket is bound, and
    // never when another process took the port first.
    const auto pidFile = state_.path() / "nginx.pid";
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (HasEnded(pid_)) return false;
        std::error_code error;
        if (std::filesystem::file_size(pidFile, error) > 0 && !error) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

void NginxServer::Stop() {
    if (pid_ <= 0) return;
    // SIGTERM is nginx's fast shutdown: the master stops its workers, waits
    // for them and exits.
    ::kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!HasEnded(pid_) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    // Whatever is left of the group, a master that ignored SIGTERM or a
    // worker that outlived it, goes now. The unreaped master keeps the group
    // id from naming anyone else's processes.
    ::kill(-pid_, SIGKILL);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

}  // namespace orvane::testing
