#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>

#include "DemoCatalogue.h"
#include "DemoCourseFiles.h"
#include "DemoInventory.h"
#include "DemoRecords.h"
#include "platform/CurlHttpClient.h"
#include "records/CourseGeometry.h"
#include "records/RecordFile.h"
#include "records/RecordLists.h"
#include "support/NginxServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"
#include "util/Files.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Even-odd rule: a ray to the east crosses the edges of a polygon an odd
// number of times from inside.
bool Inside(const GeoPoint& p, const std::vector<GeoPoint>& polygon) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const GeoPoint& a = polygon[i];
        const GeoPoint& b = polygon[j];
        if ((a.latitude > p.latitude) != (b.latitude > p.latitude) &&
            p.longitude < a.longitude + (b.longitude - a.longitude) * (p.latitude - a.latitude) /
                                            (b.latitude - a.latitude))
            inside = !inside;
    }
    return inside;
}

template <std::size_t N>
bool InsideOne(const GeoPoint& p, const std::array<GeometryItem, N>& items, std::int32_t count) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
        if (Inside(p, items[i].points)) return true;
    return false;
}

bool OnATee(const GeoPoint& p, const HoleGeometry& hole) {
    for (const GeoPoint& tee : hole.tees.points)
        if (std::abs(tee.longitude - p.longitude) < 2e-6 &&
            std::abs(tee.latitude - p.latitude) < 2e-6)
            return true;
    return false;
}

GeoPoint Degrees(const ShotPoint& shot) { return {shot.east / 1e6, shot.north / 1e6}; }

// Demo devices' rounds, read the way the manager reads them, against the
// geometry a real nginx serves from the generated server tree: the files must
// be where the score card asks, and every shot where the holes are drawn.
TEST(DemoRounds, ShotsLieOnTheHolesTheScoreCardLoads) {
    constexpr std::uint32_t kSeed = 11;
    const demo::DemoCatalogue catalogue = demo::GenerateCatalogue(kSeed, 400);
    testing::TempFolder server, devices, work;
    demo::ClubHolesOnServer clubHoles(server.path(), kSeed);
    const demo::HolesOfClub holesOf = [&](const CourseNode& club) -> const demo::ClubHoles& {
        return clubHoles.HolesOf(club);
    };
    testing::ScopedEnvironment noProxy("no_proxy", "127.0.0.1");
    testing::NginxServer nginx(server.path());
    CurlHttpClient http(nginx.url());

    int nines = 0, eighteens = 0, secondVersions = 0, ownCourses = 0;
    for (std::uint32_t d = 0; d < 3; ++d) {
        demo::DemoRandom picks(kSeed + d), rounds(kSeed + 100 + d);
        CatalogueData data;
        data.DeviceList = demo::PickDeviceCourses(picks, catalogue);
        const fs::path device = devices.path() / std::to_string(d);
        demo::WriteDeviceRounds(device, demo::GenerateRounds(rounds, data.DeviceList, holesOf));
        const auto index = ReadFileBytes(device / "UserData" / "DataList.dat");
        ASSERT_TRUE(index);
        for (RecordEntry& entry : buildDeviceRecordList(data, *index)) {
            SCOPED_TRACE(entry.path);
            entry.record = ParseRecordText(ReadFileBytes(device / entry.path).value(), entry.name);
            ASSERT_TRUE(entry.record);
            CourseGeometry geometry;
            loadCourseGeometry(http, entry, geometry, work.path());
            // The owner's own course has no files: the card shows its map missing.
            if (entry.name == "MyCC01") {
                EXPECT_EQ(geometry.loaded, 0);
                ++ownCourses;
                continue;
            }
            ASSERT_EQ(geometry.loaded, 1);
            ASSERT_EQ(readCourseNames(http, entry), 1);
            const RoundRecord& record = *entry.record;
            EXPECT_NE(record.frontCourseName, "");
            EXPECT_EQ(record.backCourseName.empty(), record.holeCount == 9);
            EXPECT_TRUE(geometry.holesPerCourse == 18 ? geometry.courseCount == 1
                                                      : geometry.courseCount >= 2);
            ASSERT_EQ(geometry.holes.size(),
                      static_cast<std::size_t>(geometry.holesPerCourse * geometry.courseCount) + 1);
            (record.holeCount == 9 ? nines : eighteens) += 1;
            secondVersions += record.version > 1 ? 1 : 0;

            for (std::int32_t i = 0; i < record.holeCount; ++i) {
                SCOPED_TRACE(i + 1);
                const HoleResult& played = record.holes[static_cast<std::size_t>(i)];
                const HoleGeometry* hole =
                    geometry.CourseHole(i < 9 ? record.frontCourseIndex : record.backCourseIndex,
                                        geometry.holesPerCourse == 9 ? i % 9 + 1 : i + 1);
                ASSERT_NE(hole, nullptr);
                EXPECT_EQ(played.par, hole->par);
                // The tee, full shots' resting places, the hole-out.
                const std::size_t shots = played.KeptShots();
                ASSERT_EQ(shots, static_cast<std::size_t>(played.shotCount));
                ASSERT_GE(shots, 3u);
                for (std::size_t k = 0; k < shots; ++k)
                    EXPECT_TRUE(Inside(Degrees(played.shots[k]), hole->outline.points)) << k;
                EXPECT_TRUE(OnATee(Degrees(played.shots[0]), *hole));
                for (std::size_t k = 1; k + 2 < shots; ++k)
                    EXPECT_TRUE(
                        InsideOne(Degrees(played.shots[k]), hole->fairways, hole->fairwayCount))
                        << k;
                EXPECT_TRUE(
                    InsideOne(Degrees(played.shots[shots - 2]), hole->greens, hole->greenCount));
                const ShotPoint& holeOut = played.shots[shots - 1];
                EXPECT_TRUE(InsideOne(Degrees(holeOut), hole->greens, hole->greenCount));
                if (record.version > 1) {
                    EXPECT_GE(holeOut.club, 0);
                    EXPECT_LT(holeOut.club, hole->greenCount);
                }
            }
        }
    }
    EXPECT_EQ(ownCourses, 3);
    EXPECT_GT(nines, 0);
    EXPECT_GT(eighteens, 0);
    EXPECT_GT(secondVersions, 2);
}

}  // namespace
}  // namespace orvane
