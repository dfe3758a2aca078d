#include <gtest/gtest.h>

#include <set>

#include "records/Clubs.h"

namespace orvane {
namespace {

TEST(Clubs, EveryCodeHasTheCardsLabelAndNameInBothLanguages) {
    struct Case {
        std::int32_t code;
        const char* label;
        const char* english;
        const char* korean;
    };
    for (const Case& c :
         {Case{1, "1W", "Driver", "드라이버"}, Case{2, "3W", "3 Wood", "3번 우드"},
          Case{5, "7W", "7 Wood", "7번 우드"}, Case{6, "3H", "3 Hybrid", "3번 유틸리티"},
          Case{9, "3I", "3 Iron", "3번 아이언"}, Case{15, "9I", "9 Iron", "9번 아이언"},
          Case{16, "PW", "Pitching Wedge", "피칭 웨지"},
          Case{17, "AW", "Approach Wedge", "어프로치 웨지"},
          Case{18, "SW", "Sand Wedge", "샌드 웨지"}, Case{19, "PT", "Putter", "퍼터"},
          Case{0, "0", "Club 0", "클럽 0"}, Case{20, "20", "Club 20", "클럽 20"},
          Case{-3, "-3", "Club -3", "클럽 -3"}}) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(ClubLabel(c.code), c.label);
        EXPECT_EQ(ClubName(c.code, Language::English), c.english);
        EXPECT_EQ(ClubName(c.code, Language::Korean), c.korean);
    }
    // No two clubs share a label or a name.
    std::set<std::string> labels, names;
    for (std::int32_t code = kFirstClub; code <= kLastClub; ++code) {
        labels.insert(ClubLabel(code));
        names.insert(ClubName(code, Language::English));
        names.insert(ClubName(code, Language::Korean));
    }
    EXPECT_EQ(labels.size(), 19u);
    EXPECT_EQ(names.size(), 38u);
}

TEST(Clubs, OnlyTheNineteenClubsHaveAPicture) {
    EXPECT_EQ(ClubIcon(1), 1);
    EXPECT_EQ(ClubIcon(19), 19);
    EXPECT_EQ(ClubIcon(0), std::nullopt);
    EXPECT_EQ(ClubIcon(20), std::nullopt);
}

}  // namespace
}  // namespace orvane
