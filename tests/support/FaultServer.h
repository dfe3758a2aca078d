#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace orvane::testing {

// One scripted answer to one request: bytes sent as they are, after which the
// connection is closed or kept open for more.
struct FaultResponse {
    // Status, Content-Length and body; the connection stays open for more.
    static FaultResponse Ok(std::string body, int status = 200);
    // Status and body, ended by closing the connection.
    static FaultResponse WithoutLength(std::string body);
    // Announces `announced` bytes, sends `body` (fewer) and closes.
    static FaultResponse CutShort(std::uint64_t announced, std::string body);
    // Reads the request and never answers.
    static FaultResponse Stall() { return {.keepOpen = true}; }
    // Exactly these bytes, then closes.
    static FaultResponse Raw(std::string bytes) { return {.bytes = std::move(bytes)}; }
    // These bytes one at a time, `pace` apart, then closes.
    static FaultResponse Drip(std::string bytes, std::chrono::milliseconds pace) {
        return {.bytes = std::move(bytes), .pace = pace};
    }

    std::string bytes;
    bool keepOpen = false;
    std::chrono::milliseconds pace{0};
};

struct ReceivedRequest {
    // Which accepted connection carried it, counted from 0.
    int connection = 0;
    // Everything up to the blank line, request line included.
    std::string head;
};

// An HTTP/1.1 server on 127.0.0.1 that answers requests in arrival order from
// a script, for the faults a real server rarely shows on demand. It serves one
// connection at a time; a request past the end of the script gets a 500.
// Everything it opened, its thread included, is gone when the object is.
class FaultServer {
public:
    explicit FaultServer(std::vector<FaultResponse> script);
    ~FaultServer();
    FaultServer(const FaultServer&) = delete;
    FaultServer& operator=(const FaultServer&) = delete;

    // "http://127.0.0.1:<port>"
    std::string url() const;
    std::vector<ReceivedRequest> requests() const;

private:
    void Run();
    void Serve(int fd, int connection);
    // False once the server is stopping.
    bool Wait(int fd, short events) const;
    bool SendAll(int fd, std::string_view bytes) const;
    bool Send(int fd, const FaultResponse& response) const;

    std::vector<FaultResponse> script_;
    std::size_t next_ = 0;
    int listenFd_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    std::uint16_t port_ = 0;

    mutable std::mutex mutex_;
    std::vector<ReceivedRequest> requests_;

    std::thread thread_;
};

}  // namespace orvane::testing
