#include "records/Clubs.h"

#include <array>

#include "shell/ShellTexts.h"
#include "util/Text.h"

namespace orvane {
namespace {

struct ClubText {
    std::string_view label;
    TextPair name;
};

constexpr std::array<ClubText, kLastClub> kClubs{{
    {"1W", {"드라이버", "Driver"}},
    {"3W", {"3번 우드", "3 Wood"}},
    {"4W", {"4번 우드", "4 Wood"}},
    {"5W", {"5번 우드", "5 Wood"}},
    {"7W", {"7번 우드", "7 Wood"}},
    {"3H", {"3번 유틸리티", "3 Hybrid"}},
    {"4H", {"4번 유틸리티", "4 Hybrid"}},
    {"5H", {"5번 유틸리티", "5 Hybrid"}},
    {"3I", {"3번 아이언", "3 Iron"}},
    {"4I", {"4번 아이언", "4 Iron"}},
    {"5I", {"5번 아이언", "5 Iron"}},
    {"6I", {"6번 아이언", "6 Iron"}},
    {"7I", {"7번 아이언", "7 Iron"}},
    {"8I", {"8번 아이언", "8 Iron"}},
    {"9I", {"9번 아이언", "9 Iron"}},
    {"PW", {"피칭 웨지", "Pitching Wedge"}},
    {"AW", {"어프로치 웨지", "Approach Wedge"}},
    {"SW", {"샌드 웨지", "Sand Wedge"}},
    {"PT", {"퍼터", "Putter"}},
}};

constexpr TextPair kUnknownClub{"클럽 %d", "Club %d"};

const ClubText* Find(std::int32_t code) {
    if (code < kFirstClub || code > kLastClub) return nullptr;
    return &kClubs[static_cast<std::size_t>(code - kFirstClub)];
}

}  // namespace

std::string ClubLabel(std::int32_t code) {
    const ClubText* club = Find(code);
    return club ? std::string(club->label) : std::to_string(code);
}

std::string ClubName(std::int32_t code, Language language) {
    if (const ClubText* club = Find(code)) return std::string(PickText(language, club->name));
    return Format(std::string(PickText(language, kUnknownClub)).c_str(), code);
}

std::optional<std::int32_t> ClubIcon(std::int32_t code) {
    return Find(code) ? std::optional(code) : std::nullopt;
}

}  // namespace orvane
