#include <gtest/gtest.h>

#include <set>

#include "DemoCatalogue.h"
#include "DemoClubLists.h"
#include "browser/AreaQuery.h"

namespace orvane {
namespace {

using demo::DemoCatalogue;
using demo::GenerateCatalogue;

// The browser finds a course's list by its area code, a Korean one by the
// region in the last three digits; the manager matches courses by name, and a
// first-generation device by the alias of a name too long for its key.
TEST(DemoCatalogue, EveryCourseSitsInItsZoneUnderAUniqueName) {
    const DemoCatalogue catalogue = GenerateCatalogue(11, 6000);
    std::set<std::string> names, aliases;
    for (int zone = 0; zone < kZoneCount; ++zone) {
        for (const CourseNode& course : catalogue.zones[static_cast<std::size_t>(zone)]) {
            EXPECT_EQ(course.zone, zone);
            EXPECT_EQ(ZoneForArea(course.id), zone) << course.name << " " << course.id;
            const std::int32_t region = course.id % 1000;
            EXPECT_TRUE(zone != 0 || (region >= 1 && region <= 8)) << course.id;
            EXPECT_TRUE(names.insert(course.name).second) << "twice: " << course.name;
            if (course.name.size() <= 8) continue;
            EXPECT_TRUE(course.fileKey.size() == 8 && course.fileKey[0] == '_' &&
                        course.fileKey.find_first_not_of("0123456789", 1) == std::string::npos)
                << course.name << " as " << course.fileKey;
            EXPECT_TRUE(aliases.insert(course.fileKey).second) << "twice: " << course.fileKey;
        }
    }
    EXPECT_FALSE(aliases.empty());
}

TEST(DemoCatalogue, FollowsTheSizeKnobAndTheSeed) {
    // Without Korea's list the server check takes the catalogue for missing.
    EXPECT_EQ(GenerateCatalogue(3, 1).zones[0].size(), 1u);
    for (const auto& zone : GenerateCatalogue(3, kZoneCount).zones) EXPECT_EQ(zone.size(), 1u);
    const auto text = [](std::uint32_t seed) {
        std::string all;
        for (const auto& zone : GenerateCatalogue(seed, 300).zones) all += demo::TextClubList(zone);
        return all;
    };
    EXPECT_EQ(text(5), text(5));
    EXPECT_NE(text(5), text(6));
}

}  // namespace
}  // namespace orvane
