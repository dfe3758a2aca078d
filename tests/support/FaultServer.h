#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace orvane::testing {

// One scripted answer to one request.
struct FaultResponse {
    enum class Kind { Normal, Stall, Reset, Huge, Raw };

    // Status, Content-Length and body; the connection stays open for more.
    static FaultResponse Ok(std::string body, int status = 200);
    // Status and body, ended by closing the connection.
    static FaultResponse WithoutLength(std::string body);
    // Announces `announced` bytes, sends `body` (fewer) and closes.
    static FaultResponse CutShort(std::uint64_t announced, std::string body);
    // Reads the request and never answers.
    static FaultResponse Stall();
    // Reads the request and resets the connection.
    static FaultResponse Reset();
    // `bytes` bytes of body, with or without announcing them, then closes.
    static FaultResponse Huge(std::uint64_t bytes, bool announce);
    // Exactly these bytes, then closes.
    static FaultResponse Raw(std::string bytes);

    Kind kind = Kind::Normal;
    int status = 200;
    std::string bytes;
    std::uint64_t length = 0;
    bool announce = true;
};

struct ReceivedRequest {
    // Which accepted connection carried it, counted from 0.
    int connection = 0;
    std::string requestLine;
    std::vector<std::pair<std::string, std::string>> headers;

    // The first header of that name, whatever its case.
    std::optional<std::string> Header(std::string_view name) const;
};

// An HTTP/1.1 server on 127.0.0.1 that answers requests in arrival order from
// a script, for the faults a real server rarely shows on demand. A request
// past the end of the script gets a 500. Everything it opened, its thread
// included, is gone when the object is.
class FaultServer {
public:
    explicit FaultServer(std::vector<FaultResponse> script);
    ~FaultServer();
    FaultServer(const FaultServer&) = delete;
    FaultServer& operator=(const FaultServer&) = delete;

    std::uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>"
    std::string url() const;

    std::vector<ReceivedRequest> requests() const;
    int connections() const;
    // Connections are accepted in the background; true once `count` were.
    bool WaitForConnections(int count, std::chrono::milliseconds timeout) const;

private:
    struct Connection;

    void Run();
    // False when the connection is finished with and must be closed.
    bool Answer(Connection& connection, const FaultResponse& response);
    bool SendAll(int fd, std::string_view bytes) const;

    std::vector<FaultResponse> script_;
    std::size_t next_ = 0;
    int listenFd_ = -1;
    int stopRead_ = -1;
    int stopWrite_ = -1;
    std::uint16_t port_ = 0;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<ReceivedRequest> requests_;
    int connections_ = 0;

    std::thread thread_;
};

}  // namespace orvane::testing
