#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "net/HttpClient.h"

namespace orvane {

// How long and how much the client puts up with before it gives a request up.
struct CurlLimits {
    // Far above any file the server holds; it only keeps a runaway body from
    // filling the memory.
    std::uint64_t maxBodyBytes = 256ull * 1024 * 1024;
    std::chrono::milliseconds connectTimeout{10'000};
    // A transfer slower than lowSpeedLimit bytes per second for lowSpeedTime
    // counts as stalled. libcurl measures the time in whole seconds.
    long lowSpeedLimit = 1;
    std::chrono::seconds lowSpeedTime{30};
};

// The update server over plain HTTP through libcurl. One handle lives for the
// whole session, so consecutive requests reuse its connection. The usual
// http_proxy / no_proxy environment variables apply; redirects are not
// followed, a redirect is just another status that is not 200.
//
// Get() answers nothing for every transfer libcurl did not complete, a body
// cut short by the server included: the interface promises nothing for a
// broken connection, and a partial body must never reach a caller that might
// ignore the length.
class CurlHttpClient : public HttpClient {
public:
    // `baseUrl` is "http://host[:port]".
    explicit CurlHttpClient(std::string baseUrl, CurlLimits limits = {});
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    std::optional<HttpResponse> Get(std::string_view path) override;
    // Whether a TCP connection to the server (or the proxy in front of it)
    // opens within the connect timeout. Nothing is requested.
    bool CheckInternet() override;

    // libcurl's explanation of the last failed request, for logs.
    const std::string& lastError() const { return lastError_; }

private:
    struct Handle;

    std::string baseUrl_;
    CurlLimits limits_;
    std::unique_ptr<Handle> handle_;
    std::string lastError_;
};

// The server to use: ORVANE_SERVER from the environment when it is set and
// not empty, else the one the build was configured with.
std::string DefaultServerUrl();

}  // namespace orvane
