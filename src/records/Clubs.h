#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/Language.h"

namespace orvane {

// The clubs a shot names by its club value: codes 1..19, from the driver
// (1) through the woods, hybrids, irons and wedges to the putter (19).
inline constexpr std::int32_t kFirstClub = 1;
inline constexpr std::int32_t kLastClub = 19;

// The card's short label: "1W", "3H", "7I", "PW", "PT"; the number itself
// for a code that names no club.
std::string ClubLabel(std::int32_t code);

// "Driver" / "드라이버", "7 Iron" / "7번 아이언"; "Club 23" / "클럽 23" for a
// code that names no club.
std::string ClubName(std::int32_t code, Language language);

// The number of the club's picture, club-NN.svg; nothing for a code that
// names no club.
std::optional<std::int32_t> ClubIcon(std::int32_t code);

}  // namespace orvane
