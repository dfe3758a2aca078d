#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "DemoCatalogue.h"
#include "DemoCourseFiles.h"
#include "DemoInventory.h"
#include "DemoRecords.h"
#include "platform/CurlHttpClient.h"
#include "records/CourseGeometry.h"
#include "records/HoleDrawing.h"
#include "records/PlayedShots.h"
#include "records/RecordFile.h"
#include "records/RecordLists.h"
#include "support/NginxServer.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"
#include "util/Files.h"

namespace orvane {
namespace {

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

// Demo devices' rounds, read the way the manager reads them, against the
// geometry a real nginx serves from the generated server tree: the files must
// be where the score card asks, and every shot must land on the hole drawn.
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

    int nines = 0, eighteens = 0, secondVersions = 0;
    for (std::uint32_t d = 0; d < 3; ++d) {
        demo::DemoRandom picks(kSeed + d), rounds(kSeed + 100 + d);
        CatalogueData data;
        data.DeviceList = demo::PickDeviceCourses(picks, catalogue);
        const auto device = devices.path() / std::to_string(d);
        demo::WriteDeviceRounds(device, demo::GenerateRounds(rounds, data.DeviceList, holesOf));
        const auto index = ReadFileBytes(device / "UserData" / "DataList.dat");
        ASSERT_TRUE(index);
        for (RecordEntry& entry : buildDeviceRecordList(data, *index)) {
            SCOPED_TRACE(entry.path);
            auto parsed = ParseRecordText(ReadFileBytes(device / entry.path).value(), entry.name);
            ASSERT_TRUE(parsed);
            entry.record = std::make_unique<RoundRecord>(std::move(*parsed));
            CourseGeometry geometry;
            loadCourseGeometry(http, entry, geometry, work.path());
            // The owner's own course has no files on the server.
            if (entry.name == "MyCC01") continue;
            ASSERT_EQ(geometry.loaded, 1);
            ASSERT_EQ(readCourseNames(http, entry), 1);
            const RoundRecord& record = *entry.record;
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
                EXPECT_EQ(HoleOfCard(geometry, record, i + 1), hole);
                // Where the score card puts the shots: the tee, the fairway,
                // the green for the approach and the hole-out.
                const std::vector<PlayedShot> shots = PlayedShots(record, i + 1, hole);
                ASSERT_EQ(shots.size(), static_cast<std::size_t>(played.shotCount));
                ASSERT_GE(shots.size(), 3u);
                for (const PlayedShot& shot : shots)
                    EXPECT_TRUE(Inside(shot.at, hole->outline.points));
                EXPECT_TRUE(std::any_of(
                    hole->tees.points.begin(), hole->tees.points.end(), [&](const GeoPoint& tee) {
                        return std::abs(tee.longitude - shots[0].at.longitude) < 2e-6 &&
                               std::abs(tee.latitude - shots[0].at.latitude) < 2e-6;
                    }));
                for (std::size_t k = 1; k + 2 < shots.size(); ++k)
                    EXPECT_TRUE(InsideOne(shots[k].at, hole->fairways, hole->fairwayCount)) << k;
                for (std::size_t k = shots.size() - 2; k < shots.size(); ++k)
                    EXPECT_TRUE(InsideOne(shots[k].at, hole->greens, hole->greenCount)) << k;
                // The second version names the green holed out on.
                const std::int32_t green = played.shots[shots.size() - 1].club;
                EXPECT_TRUE(record.version == 1 || (green >= 0 && green < hole->greenCount))
                    << green;
            }
        }
    }
    EXPECT_GT(nines, 0);
    EXPECT_GT(eighteens, 0);
    EXPECT_GT(secondVersions, 2);
}

}  // namespace
}  // namespace orvane
