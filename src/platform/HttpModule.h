#pragma once

#include <memory>
#include <optional>
#include <string>

#include "net/HttpClient.h"

namespace orvane {

// The update server's client. The libcurl client lives in a module of its
// own next to the executable, with libcurl and the thirty-odd libraries
// behind it, and is loaded when the first request is made: commands that
// never reach the server start without any of them.
//
// `server` is "http://host[:port]"; without it the module takes ORVANE_SERVER
// or the build's default. The first request throws std::runtime_error,
// naming the module, when the module cannot be loaded.
std::unique_ptr<HttpClient> OpenHttpClient(std::optional<std::string> server);

}  // namespace orvane
