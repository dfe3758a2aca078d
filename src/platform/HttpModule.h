#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "net/HttpClient.h"

namespace orvane {

// The update server's client. The libcurl client lives in a module of its
// own (see HttpModulePath), with libcurl and the thirty-odd libraries
// behind it, and is loaded when the first request is made: commands that
// never reach the server start without any of them.
//
// `server` is "http://host[:port]"; without it the module takes ORVANE_SERVER
// or the build's default. The first request throws std::runtime_error,
// naming the module, when the module cannot be loaded.
std::unique_ptr<HttpClient> OpenHttpClient(std::optional<std::string> server);

// Where a program in `executableFolder` loads the module from: beside itself,
// as in the build tree, when it is there; else from the private library
// folder of the installed tree (<bindir>/../<libdir>/orvane), so that an
// installed tree works wherever its root was unpacked.
std::filesystem::path HttpModulePath(const std::filesystem::path& executableFolder);

}  // namespace orvane
