#include "support/FaultServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace orvane::testing {
namespace {

std::string StatusLine(int status) {
    return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Status") + "\r\n";
}

void Close(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

FaultResponse FaultResponse::Ok(std::string body, int status) {
    return {.bytes = StatusLine(status) + "Content-Length: " + std::to_string(body.size()) +
                     "\r\n\r\n" + body,
            .keepOpen = true};
}
FaultResponse FaultResponse::WithoutLength(std::string body) {
    return Raw(StatusLine(200) + "Connection: close\r\n\r\n" + body);
}
FaultResponse FaultResponse::CutShort(std::uint64_t announced, std::string body) {
    return Raw(StatusLine(200) + "Content-Length: " + std::to_string(announced) + "\r\n\r\n" +
               body);
}

FaultServer::FaultServer(std::vector<FaultResponse> script) : script_(std::move(script)) {
    int stop[2];
    if (::pipe2(stop, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    stopRead_ = stop[0];
    stopWrite_ = stop[1];

    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{.sin_family = AF_INET, .sin_port = 0, .sin_addr = {htonl(INADDR_LOOPBACK)}};
    socklen_t size = sizeof address;
    if (listenFd_ < 0 ||
        ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 16) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        Close(listenFd_);
        Close(stopRead_);
        Close(stopWrite_);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Run(); });
}

FaultServer::~FaultServer() {
    // The byte is never read, so every later poll in the thread sees it too.
    const char byte = 0;
    while (::write(stopWrite_, &byte, 1) < 0 && errno == EINTR) {
    }
    thread_.join();
    Close(listenFd_);
    Close(stopRead_);
    Close(stopWrite_);
}

std::string FaultServer::url() const { return "http://127.0.0.1:" + std::to_string(port_); }

std::vector<ReceivedRequest> FaultServer::requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

bool FaultServer::Wait(int fd, short events) const {
    pollfd watched[2] = {{fd, events, 0}, {stopRead_, POLLIN, 0}};
    while (::poll(watched, 2, -1) < 0) {
        if (errno != EINTR) return false;
    }
    return watched[1].revents == 0;
}

void FaultServer::Run() {
    for (int connection = 0; Wait(listenFd_, POLLIN);) {
        int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        Serve(fd, connection++);
        Close(fd);
    }
}

void FaultServer::Serve(int fd, int connection) {
    std::string received;
    char buffer[4096];
    while (Wait(fd, POLLIN)) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0) return;
        received.append(buffer, static_cast<std::size_t>(got));
        // Requests are GETs without bodies: a blank line ends each.
        for (std::size_t end; (end = received.find("\r\n\r\n")) != std::string::npos;) {
            {
                const std::lock_guard lock(mutex_);
                requests_.push_back({connection, received.substr(0, end + 2)});
            }
            received.erase(0, end + 4);
            const FaultResponse response =
                next_ < script_.size() ? script_[next_++] : FaultResponse::Ok("unscripted", 500);
            if (!Send(fd, response) || !response.keepOpen) return;
        }
    }
}

bool FaultServer::Send(int fd, const FaultResponse& response) const {
    if (response.pace.count() == 0) return SendAll(fd, response.bytes);
    const std::string_view bytes = response.bytes;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (!SendAll(fd, bytes.substr(at, 1))) return false;
        // The pause ends early once the server is stopping.
        pollfd stop{stopRead_, POLLIN, 0};
        if (::poll(&stop, 1, static_cast<int>(response.pace.count())) != 0) return false;
    }
    return true;
}

// Never blocks, so that a client that stopped reading cannot keep the
// destructor waiting.
bool FaultServer::SendAll(int fd, std::string_view bytes) const {
    while (!bytes.empty() && Wait(fd, POLLOUT)) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && errno != EAGAIN && errno != EINTR) return false;
        if (sent > 0) bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return bytes.empty();
}

}  // namespace orvane::testing
