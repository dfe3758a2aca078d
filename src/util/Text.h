#pragma once

#include <string>
#include <string_view>

namespace orvane {

// printf-style formatting into a std::string, for the system's fixed formats.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// `text` as XML character data or attribute value: markup characters
// escaped, control characters XML 1.0 cannot hold left out.
std::string XmlEscaped(std::string_view text);

}  // namespace orvane
