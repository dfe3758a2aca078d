#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>

namespace orvane::cli {

// Prints a command's one JSON document. Every string in it is shown as
// DisplayText gives it, so that text in any encoding the device or the
// server wrote still makes a valid document.
void PrintJson(std::ostream& out, nlohmann::ordered_json document);

}  // namespace orvane::cli
