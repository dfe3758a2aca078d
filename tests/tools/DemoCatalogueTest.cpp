#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "DemoCatalogue.h"
#include "DemoClubLists.h"
#include "catalogue/ClubListText.h"
#include "support/RecordingShell.h"

namespace orvane {
namespace {

using demo::DemoCatalogue;
using demo::GenerateCatalogue;

// The zone list a course's area code belongs to, straight from the rules of
// the area tables, for a second opinion on the generator's own tables.
int ZoneOfAreaCode(std::int32_t code) {
    static constexpr int kJapan[] = {2, 3, 2, 2, 3, 3, 3, 2};
    static constexpr int kUsa[] = {9,  19, 17, 16, 5,  17, 15, 8, 7,  10, 9,  19, 14,
                                   6,  13, 6,  17, 19, 16, 19, 7, 19, 11, 12, 16, 16,
                                   14, 17, 5,  19, 8,  17, 15, 7, 14, 13, 18, 14, 8,
                                   19, 9,  14, 16, 18, 17, 19, 7, 14, 7,  12, 14};
    static constexpr int kUnitedKingdom[] = {22, 23, 22, 23, 22};
    const std::int32_t country = code / 10000;
    const std::int32_t region = (code - country * 10000) / 100;
    const int otherZone = code / 10000000 == 3 ? 27 : 4;
    const auto row = [&](const auto& table) {
        return region >= 1 && region <= static_cast<std::int32_t>(std::size(table))
                   ? table[region - 1]
                   : -1;
    };
    switch (country) {
        case 0:
        case 5010:
            return 0;
        case 11:
        case 5011:
            return 1;
        case 12:
        case 5012:
            return region != 0 ? row(kJapan) : otherZone;
        case 1001:
            return row(kUsa);
        case 3001:
            return region != 0 ? row(kUnitedKingdom) : otherZone;
        case 1002:
            return 20;
        case 2001:
            return 21;
        case 3002:
        case 3005:
        case 3014:
            return 24;
        case 3003:
        case 3009:
        case 3011:
            return 25;
        case 3006:
        case 3010:
        case 3012:
            return 26;
        default:
            return otherZone;
    }
}

// Hangul syllables are encoded in UTF-8 with a lead byte of 0xEA to 0xED.
bool HasHangul(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0xEA && byte <= 0xED) return true;
    }
    return false;
}

class GeneratedCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { catalogue_ = new DemoCatalogue(GenerateCatalogue(11, 6000)); }
    static void TearDownTestSuite() { delete catalogue_; }

    static const DemoCatalogue& Catalogue() { return *catalogue_; }

private:
    static inline DemoCatalogue* catalogue_ = nullptr;
};

TEST_F(GeneratedCatalogue, ServerListsReadBackAsGenerated) {
    testing::RecordingShell shell;
    Ui ui(shell, Language::Korean);
    for (int zone = 0; zone < kZoneCount; ++zone) {
        const auto& generated = Catalogue().zones[static_cast<std::size_t>(zone)];
        const auto parsed =
            ParseTextClubList(demo::TextClubList(generated), zone, ClubListSide::Catalogue, ui);
        ASSERT_EQ(parsed.size(), generated.size()) << "zone " << zone;
        for (std::size_t i = 0; i < parsed.size(); ++i) {
            const CourseNode& a = generated[i];
            const CourseNode& b = parsed[i];
            EXPECT_EQ(b.name, a.name);
            EXPECT_EQ(b.title, a.title);
            EXPECT_EQ(b.shortKey, a.shortKey);
            EXPECT_EQ(b.id, a.id);
            EXPECT_EQ(b.version, a.version) << a.name;
            // The first-generation records are matched by these bounds.
            EXPECT_EQ(b.minLat, a.minLat) << a.name;
            EXPECT_EQ(b.maxLat, a.maxLat) << a.name;
            EXPECT_EQ(b.minLon, a.minLon) << a.name;
            EXPECT_EQ(b.maxLon, a.maxLon) << a.name;
        }
    }
    EXPECT_TRUE(shell.questions().empty()) << "rejected lines: " << shell.questions().size();
}

TEST_F(GeneratedCatalogue, AreaCodesAgreeWithTheirZones) {
    for (int zone = 0; zone < kZoneCount; ++zone) {
        for (const CourseNode& course : Catalogue().zones[static_cast<std::size_t>(zone)]) {
            EXPECT_EQ(course.zone, zone);
            EXPECT_EQ(ZoneOfAreaCode(course.id), zone) << course.name << " " << course.id;
            const std::int32_t country = course.id / 10000;
            if (country == 0 || country == 5010) {
                // Korea keeps its region in the last three digits.
                EXPECT_GE(course.id % 1000, 1) << course.id;
                EXPECT_LE(course.id % 1000, 8) << course.id;
            }
            if (country % 1000 == 999) {
                // The catch-all groups end their codes in 01.
                EXPECT_EQ(course.id % 100, 1) << course.id;
            }
        }
    }
}

TEST_F(GeneratedCatalogue, CoursesLookLikeCourses) {
    std::set<std::string> names, aliases;
    std::size_t longNames = 0;
    for (const auto& zone : Catalogue().zones) {
        for (const CourseNode& course : zone) {
            EXPECT_TRUE(names.insert(course.name).second) << "twice: " << course.name;
            for (const char c : course.name)
                ASSERT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << course.name;
            EXPECT_FALSE(course.title.empty());
            EXPECT_EQ(course.title.find('"'), std::string::npos) << course.title;

            // Too long for a first-generation key: an alias stands in.
            if (course.name.size() > 8) {
                ++longNames;
                ASSERT_EQ(course.fileKey.size(), 8u) << course.name;
                EXPECT_EQ(course.fileKey[0], '_');
                EXPECT_EQ(course.fileKey.find_first_not_of("0123456789", 1), std::string::npos);
                EXPECT_TRUE(aliases.insert(course.fileKey).second) << "twice: " << course.fileKey;
            } else {
                EXPECT_TRUE(course.fileKey.empty()) << course.name;
            }

            EXPECT_GE(course.version, 1.0);
            EXPECT_LE(course.version, 3.5);
            // A course, not a parish: between about 100 m and 2 km across.
            const double height = course.maxLat - course.minLat;
            const double width = course.maxLon - course.minLon;
            EXPECT_GT(std::max(height, width), 0.001) << course.name;
            EXPECT_LT(height, 0.02) << course.name;
            EXPECT_LT(width, 0.05) << course.name;
        }
    }
    EXPECT_GT(longNames, names.size() / 10);
    EXPECT_LT(longNames, names.size());
    // Korean clubs carry Korean titles.
    for (const CourseNode& course : Catalogue().zones[0])
        EXPECT_TRUE(HasHangul(course.title)) << course.title;
}

TEST(DemoCatalogueSize, FollowsTheKnobAndTheSeed) {
    for (const int size : {1, 5, 28, 500}) {
        const DemoCatalogue catalogue = GenerateCatalogue(3, size);
        EXPECT_EQ(catalogue.CourseCount(), static_cast<std::size_t>(size));
        // Without Korea's list the server check takes the catalogue for missing.
        EXPECT_FALSE(catalogue.zones[0].empty()) << size;
        if (size >= kZoneCount) {
            for (int zone = 0; zone < kZoneCount; ++zone)
                EXPECT_FALSE(catalogue.zones[static_cast<std::size_t>(zone)].empty())
                    << "zone " << zone << " of " << size;
        }
    }
    const auto text = [](std::uint32_t seed) {
        const DemoCatalogue catalogue = GenerateCatalogue(seed, 300);
        std::string all;
        for (const auto& zone : catalogue.zones) all += demo::TextClubList(zone);
        return all;
    };
    EXPECT_EQ(text(5), text(5));
    EXPECT_NE(text(5), text(6));
}

}  // namespace
}  // namespace orvane
