#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Titles, names and version texts from the device and the server are bytes:
// UTF-8 from newer tools, CP949 (the Korean Windows code page) from the files
// Windows-made tools wrote. Everything a person or a parser reads goes
// through here; the bytes themselves stay as they are wherever they are keys
// or are written back.
//
// Valid UTF-8 comes back as it is. Anything else is read as CP949, and each
// byte that decodes as neither becomes U+FFFD, so the result is always valid
// UTF-8.
std::string DisplayText(std::string_view bytes);

// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or
// values past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// `utf8` in lower case, letter by letter as Unicode defines it, for searches
// that ignore case in any script. `utf8` must be valid UTF-8 (DisplayText's
// result).
std::string FoldedCase(std::string_view utf8);

}  // namespace orvane
