#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

struct HttpResponse {
    int status = 0;
    // The Content-Length header's text; nothing when the server sent none.
    std::optional<std::string> contentLength;
    // The bytes received, at most the announced length.
    std::string body;
};

// One connection to the update server for the whole session. Paths are the
// server's object names ("Download//Downloader//manager_ver.txt"), sent as
// they are.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    // One GET; nothing when the request could not be sent or the connection
    // broke.
    virtual std::optional<HttpResponse> Get(std::string_view path) = 0;
    // Whether the server can be reached at all.
    virtual bool CheckInternet() = 0;
};

}  // namespace orvane
