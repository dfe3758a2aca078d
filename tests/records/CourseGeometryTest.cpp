#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "records/CourseGeometry.h"
#include "records/CourseGeometryCodec.h"
#include "support/FakeHttpClient.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::FakeHttpClient;
using testing::ReadWholeFile;
using testing::TempFolder;

// `count` points on a circle of `radius` millionths around `centre`.
std::vector<GeoPoint> Ring(GeoPoint centre, std::size_t count, double radius) {
    std::vector<GeoPoint> points;
    for (std::size_t i = 0; i < count; ++i) {
        const double angle = 2 * M_PI * static_cast<double>(i) / static_cast<double>(count);
        points.push_back({centre.longitude + radius * std::cos(angle) / 1e6,
                          centre.latitude + radius * std::sin(angle) / 1e6});
    }
    return points;
}

HoleGeometry Hole(GeoPoint reference, std::int32_t par, std::size_t greenPoints) {
    HoleGeometry hole;
    hole.reference = reference;
    hole.par = par;
    hole.tees.points = Ring(reference, 2, 100);
    hole.outline.points = Ring(reference, 12, 1500);
    hole.greens[0].value = 1;
    hole.greens[0].points = Ring(reference, greenPoints, 400);
    hole.greenCount = 1;
    hole.text = "Dogleg \x01\xff left";
    return hole;
}

CourseGeometry Course(std::int32_t perCourse, std::int32_t courses) {
    CourseGeometry geometry;
    geometry.holesPerCourse = perCourse;
    geometry.courseCount = courses;
    geometry.holeTotal = perCourse * courses;
    geometry.holes.resize(1);
    for (std::int32_t h = 1; h <= geometry.holeTotal; ++h)
        geometry.holes.push_back(Hole({-73.5 + h * 0.002, 41.25 + h * 0.001}, 4, 30));
    return geometry;
}

TEST(CourseGeometryCodec, WriterAndReaderAgreeToTheBit) {
    CourseGeometry source = Course(2, 1);
    HoleGeometry& hole = source.holes[1];
    hole.hasMarker = 1;
    hole.markerLine.points = Ring(hole.reference, 5, 3000);  // wide points
    hole.fairways[0].points = Ring(hole.reference, 4, 800);
    hole.fairways[0].value = 1;
    hole.fairwayCount = 1;
    hole.bunkers[1] = {2, Ring(hole.reference, 3, 50)};
    hole.bunkerCount = 2;
    hole.waters[0] = {1, Ring(hole.reference, 127, 900)};
    hole.waterCount = 1;
    hole.objects[0] = {107, Ring(hole.reference, 1, 10)};
    hole.objects[10] = {355, Ring(hole.reference, 1, 20)};
    hole.objectCountLow = hole.objectCountHigh = 1;
    // Far enough from hole 1 to need the long reference records.
    source.holes[2] = Hole({-73.496, 41.752}, 5, 30);

    const auto bytes = EncodeCourseGeometry(source);
    ASSERT_TRUE(bytes);
    CourseGeometry read;
    ASSERT_TRUE(DecodeCourseGeometry(*bytes, read));
    EXPECT_EQ(EncodeCourseGeometry(read), bytes);

    const HoleGeometry& back = read.holes[1];
    EXPECT_EQ(back.text, hole.text);
    EXPECT_EQ(back.Bunker(1)->points.size(), 0u);
    EXPECT_EQ(back.Bunker(2)->points.size(), 3u);
    EXPECT_EQ(back.objects[10].value, 355);
    EXPECT_EQ(back.waters[0].points.size(), 127u);
    EXPECT_EQ(back.marker, back.markerLine.points[2]);
    EXPECT_NEAR(back.markerLine.points[4].latitude, hole.markerLine.points[4].latitude, 6e-7);
    EXPECT_NEAR(read.holes[2].reference.latitude, source.holes[2].reference.latitude, 6e-7);

    // The key is the writer's choice; another key changes every body byte's
    // disguise but not what is read back.
    const std::string other = EncodeCourseGeometry(source, {1, 2, 3, 0xF0}).value();
    EXPECT_NE(other, *bytes);
    CourseGeometry readOther;
    EXPECT_TRUE(DecodeCourseGeometry(other, readOther));
    EXPECT_EQ(readOther, read);
}

TEST(CourseGeometryCodec, CutDataFailsCleanly) {
    const auto bytes = EncodeCourseGeometry(Course(3, 2));
    ASSERT_TRUE(bytes);
    for (std::size_t size = 0; size < bytes->size(); ++size) {
        CourseGeometry read;
        const bool ok = DecodeCourseGeometry(std::string_view(*bytes).substr(0, size), read);
        EXPECT_EQ(ok, size >= 20) << size;
        EXPECT_LT(read.holeTotal, 6) << size;
        if (ok) {
            EXPECT_EQ(read.holes.size(), static_cast<std::size_t>(read.holeTotal) + 1);
        }
        for (std::int32_t h = -1; h <= read.holeTotal + 1; ++h) read.Hole(h);
    }
}

TEST(CourseGeometry, GreenCentreIsTheAreaCentroid) {
    // A collinear extra vertex pulls the vertex mean south, not the centroid.
    const GeoPoint centre =
        GreenCentre({{127, 37}, {127.002, 37}, {127.004, 37}, {127.004, 37.004}, {127, 37.004}});
    EXPECT_NEAR(centre.longitude, 127.002, 1e-9);
    EXPECT_NEAR(centre.latitude, 37.002, 1e-9);
    EXPECT_EQ(GreenCentre({}), GeoPoint{});
}

std::string CcText(int courses) {
    std::string text = "Pine Ridge\r\n9 " + std::to_string(courses) + " 1\r\n";
    for (int i = 0; i < courses; ++i)
        text += "Course" + std::to_string(i) + " " + std::string(1, static_cast<char>('A' + i)) +
                "\r\n";
    return text;
}

class CourseFiles : public ::testing::Test {
protected:
    CourseFiles() {
        entry_.name = "Club";
        entry_.courseNumber = 1234;
    }
    void Serve(const std::string& file, std::string body) {
        http_.Serve("Download//Course_V30//501012//34//ClubCC//" + file, std::move(body));
    }
    void Load() { loadCourseGeometry(http_, entry_, geometry_, work_.path()); }
    std::string Log(const char* name) const { return ReadWholeFile(work_.path() / name); }

    FakeHttpClient http_;
    TempFolder work_;
    RecordEntry entry_;
    CourseGeometry geometry_;
};

TEST_F(CourseFiles, NamesFollowTheLettersAndOnlyEightCoursesCount) {
    http_.Serve("Download//Course_V30//000012//34//ClubCC//ClubCC.dat", CcText(9));
    entry_.record = std::make_unique<RoundRecord>();
    // The ninth course, I, is beyond the tables.
    entry_.record->courseLetters = "HI";
    EXPECT_EQ(readCourseNames(http_, entry_), 1);
    EXPECT_EQ(entry_.record->frontCourseIndex, 7);
    EXPECT_EQ(entry_.record->frontCourseName, "Course7");
    EXPECT_EQ(entry_.record->backCourseName, "");
    // A course without a number asks the server nothing.
    const std::size_t asked = http_.requests().size();
    entry_.courseNumber = 0;
    EXPECT_EQ(readCourseNames(http_, entry_), 0);
    EXPECT_EQ(http_.requests().size(), asked);
}

TEST_F(CourseFiles, GeometryLoadChecksAndMendsHolesAndLogsWhatIsOdd) {
    CourseGeometry source = Course(9, 2);
    source.holes[2].greens[0].points = Ring(source.holes[2].reference, 24, 400);
    source.holes[3].greens[0].points = Ring(source.holes[3].reference, 25, 400);
    source.holes[4].par = 2;
    source.holes[5].tees.points.clear();
    source.holes[5].outline.points = {
        {-73.4901, 41.255}, {-73.4899, 41.255}, {-73.4902, 41.2553}, {-73.4898, 41.2547}};
    const auto dd = EncodeCourseGeometry(source);
    ASSERT_TRUE(dd);
    Serve("ClubCC.dat", CcText(12));
    Serve("ClubDD.dat", *dd);
    Load();

    ASSERT_EQ(geometry_.loaded, 1);
    // The hole without tees gets one between the outline's third and last points.
    ASSERT_EQ(geometry_.Hole(5)->tees.points.size(), 1u);
    EXPECT_NEAR(geometry_.Hole(5)->tees.points[0].longitude, -73.49, 1e-9);
    EXPECT_NEAR(geometry_.Hole(5)->tees.points[0].latitude, 41.255, 1e-9);

    const std::string prefix = "501012\\34\\ClubCC/Ridge/";
    EXPECT_EQ(Log("list_green.dat"), prefix + "Hole-2/Green-1-24\r\n");
    EXPECT_EQ(Log("list_par.dat"), prefix + "Hole-4/Par-2\r\n");
    EXPECT_EQ(Log("list_teebox.dat"), prefix + "Hole-5/Teebox-0\r\n");

    // Logs grow; a cut file keeps the holes before the cut.
    Serve("ClubDD.dat", dd->substr(0, dd->size() / 2));
    Load();
    EXPECT_EQ(geometry_.loaded, 1);
    EXPECT_GT(geometry_.holeTotal, 4);
    EXPECT_LT(geometry_.holeTotal, 18);
    EXPECT_EQ(Log("list_par.dat"), prefix + "Hole-4/Par-2\r\n" + prefix + "Hole-4/Par-2\r\n");
}

TEST_F(CourseFiles, GeometryMissingOrWithoutHolesStaysUnloaded) {
    Serve("ClubCC.dat", CcText(2));
    Load();
    EXPECT_EQ(geometry_.loaded, 0);
    EXPECT_EQ(geometry_.courseNames[1], "Course1");
    Serve("ClubDD.dat", "garbage");
    Load();
    EXPECT_EQ(geometry_.loaded, 0);
    // No holes, and counts whose product is past any hole number.
    for (const char* counts : {"0 2 1", "2147483647 2 1", "-65536 65536 0"}) {
        Serve("ClubCC.dat", "Pine Ridge\r\n" + std::string(counts) + "\r\n");
        Load();
        EXPECT_EQ(geometry_, CourseGeometry{}) << counts;
    }
    const std::string logLine = "CC file error : 501012\\34\\ClubCC\r\n";
    EXPECT_EQ(Log("list_cc_file.dat"), logLine + logLine + logLine);
}

}  // namespace
}  // namespace orvane
