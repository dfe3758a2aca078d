#include "support/FaultServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace orvane::testing {
namespace {

std::string_view Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::string StatusLine(int status) {
    const char* reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Status";
    return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n";
}

ReceivedRequest ParseRequest(std::string_view head, int connection) {
    ReceivedRequest request{.connection = connection};
    std::size_t end = head.find("\r\n");
    request.requestLine = std::string(head.substr(0, end));
    while (end != std::string_view::npos) {
        const std::size_t begin = end + 2;
        end = head.find("\r\n", begin);
        const std::string_view line = head.substr(begin, end - begin);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        request.headers.emplace_back(std::string(Trim(line.substr(0, colon))),
                                     std::string(Trim(line.substr(colon + 1))));
    }
    return request;
}

void Close(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

FaultResponse FaultResponse::Ok(std::string body, int status) {
    return {.kind = Kind::Normal, .status = status, .bytes = std::move(body)};
}
FaultResponse FaultResponse::WithoutLength(std::string body) {
    return Raw(StatusLine(200) + "Connection: close\r\n\r\n" + body);
}
FaultResponse FaultResponse::CutShort(std::uint64_t announced, std::string body) {
    return Raw(StatusLine(200) + "Content-Length: " + std::to_string(announced) + "\r\n\r\n" +
               body);
}
FaultResponse FaultResponse::Stall() { return {.kind = Kind::Stall}; }
FaultResponse FaultResponse::Reset() { return {.kind = Kind::Reset}; }
FaultResponse FaultResponse::Huge(std::uint64_t bytes, bool announce) {
    return {.kind = Kind::Huge, .length = bytes, .announce = announce};
}
FaultResponse FaultResponse::Raw(std::string bytes) {
    return {.kind = Kind::Raw, .bytes = std::move(bytes)};
}

std::optional<std::string> ReceivedRequest::Header(std::string_view name) const {
    for (const auto& [key, value] : headers) {
        if (std::ranges::equal(key, name, [](char a, char b) { return Lower(a) == Lower(b); })) {
            return value;
        }
    }
    return std::nullopt;
}

struct FaultServer::Connection {
    int fd = -1;
    int id = 0;
    std::string received;
    bool stalled = false;
};

FaultServer::FaultServer(std::vector<FaultResponse> script) : script_(std::move(script)) {
    int stop[2];
    if (::pipe2(stop, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    stopRead_ = stop[0];
    stopWrite_ = stop[1];

    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
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

int FaultServer::connections() const {
    const std::lock_guard lock(mutex_);
    return connections_;
}

bool FaultServer::WaitForConnections(int count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return connections_ >= count; });
}

void FaultServer::Run() {
    std::vector<Connection> open;
    std::vector<pollfd> watched;
    int nextId = 0;
    for (;;) {
        watched.assign({{stopRead_, POLLIN, 0}, {listenFd_, POLLIN, 0}});
        for (const Connection& connection : open) watched.push_back({connection.fd, POLLIN, 0});
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (watched[0].revents != 0) break;
        if (watched[1].revents & POLLIN) {
            const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                open.push_back({.fd = fd, .id = nextId++});
                const std::lock_guard lock(mutex_);
                ++connections_;
                changed_.notify_all();
            }
        }
        // Only the connections that were polled; an accepted one is new.
        for (std::size_t i = 2; i < watched.size(); ++i) {
            if (watched[i].revents == 0) continue;
            Connection& connection = open[i - 2];
            char buffer[4096];
            const ssize_t got = ::recv(connection.fd, buffer, sizeof buffer, 0);
            bool keep = got > 0 || (got < 0 && errno == EINTR);
            if (got > 0 && !connection.stalled) {
                connection.received.append(buffer, static_cast<std::size_t>(got));
                // Requests are GETs without bodies: a blank line ends each.
                while (keep && !connection.stalled) {
                    const std::size_t end = connection.received.find("\r\n\r\n");
                    if (end == std::string::npos) break;
                    ReceivedRequest request = ParseRequest(
                        std::string_view(connection.received).substr(0, end), connection.id);
                    connection.received.erase(0, end + 4);
                    {
                        const std::lock_guard lock(mutex_);
                        requests_.push_back(std::move(request));
                    }
                    const FaultResponse response = next_ < script_.size()
                                                       ? script_[next_++]
                                                       : FaultResponse::Ok("unscripted", 500);
                    keep = Answer(connection, response);
                }
            }
            if (!keep) Close(connection.fd);
        }
        std::erase_if(open, [](const Connection& connection) { return connection.fd < 0; });
    }
    for (Connection& connection : open) Close(connection.fd);
}

bool FaultServer::Answer(Connection& connection, const FaultResponse& response) {
    using Kind = FaultResponse::Kind;
    const int fd = connection.fd;
    switch (response.kind) {
        case Kind::Normal:
            return SendAll(fd, StatusLine(response.status) +
                                   "Content-Length: " + std::to_string(response.bytes.size()) +
                                   "\r\n\r\n" + response.bytes);
        case Kind::Stall:
            connection.stalled = true;
            return true;
        case Kind::Reset: {
            // A zero linger time makes close() send RST instead of FIN.
            const linger abort{.l_onoff = 1, .l_linger = 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
            return false;
        }
        case Kind::Huge: {
            std::string head = StatusLine(response.status);
            head += response.announce ? "Content-Length: " + std::to_string(response.length)
                                      : std::string("Connection: close");
            if (!SendAll(fd, head + "\r\n\r\n")) return false;
            const std::string chunk(64 * 1024, 'x');
            for (std::uint64_t left = response.length; left > 0;) {
                const std::size_t size =
                    static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
                if (!SendAll(fd, std::string_view(chunk).substr(0, size))) break;
                left -= size;
            }
            return false;
        }
        case Kind::Raw:
            SendAll(fd, response.bytes);
            return false;
    }
    return false;
}

bool FaultServer::SendAll(int fd, std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno != EAGAIN && errno != EINTR) return false;
        // A client that stopped reading must not keep the destructor waiting.
        pollfd wait[2] = {{fd, POLLOUT, 0}, {stopRead_, POLLIN, 0}};
        if (::poll(wait, 2, -1) < 0 && errno != EINTR) return false;
        if (wait[1].revents != 0) return false;
    }
    return true;
}

}  // namespace orvane::testing
