#include <gtest/gtest.h>

#include "catalogue/ZoneLoaders.h"
#include "support/CatalogueFixture.h"

namespace orvane {
namespace {

class CatalogueZoneLoading : public testing::CatalogueFixture {};

// The connection hands over what it fetched; only a list it could not fetch
// is looked for in the working folder, where an earlier run may have left
// one. Either way the folder's copy is gone afterwards.
TEST_F(CatalogueZoneLoading, ParsesTheFetchedBytesAndFallsBackToALeftOverFile) {
    const std::string fetched = "NEW \"New\" 00010101 37.5 127.0 0 0 0 0 0 0 1.25\r\n";
    workFolder_.Write("ClubListKorea.dat", "OLD \"Old\" 00020101 35.0 139.0 0 0 0 0 0 0 2.00\n");
    LoadCatalogueZone(context_, 0, {.clubList = fetched});
    ASSERT_EQ(data_.CatalogueList[0].size(), 1u);
    EXPECT_EQ(data_.CatalogueList[0][0].name, "NEW");
    EXPECT_EQ(data_.CatalogueTextLength[0], fetched.size());

    const std::string leftOver = "OLD \"Old\" 00020101 35.0 139.0 0 0 0 0 0 0 2.00\n";
    workFolder_.Write("ClubListChina.dat", leftOver);
    LoadCatalogueZone(context_, 1, {});
    ASSERT_EQ(data_.CatalogueList[1].size(), 1u);
    EXPECT_EQ(data_.CatalogueList[1][0].name, "OLD");
    EXPECT_EQ(data_.CatalogueTextLength[1], leftOver.size());

    LoadCatalogueZone(context_, 2, {});
    EXPECT_TRUE(data_.CatalogueList[2].empty());
    EXPECT_TRUE(std::filesystem::is_empty(workFolder_.path()));
}

TEST_F(CatalogueZoneLoading, FirstGenerationAliasesAndReferencesComeFromTheFetchToo) {
    SetModel(4, "Course_V40");
    workFolder_.Write("_ClubListKorea.dat", "stale");
    workFolder_.Write("ClubListKorea.dat", "stale");
    LoadCatalogueZone(context_, 0,
                      {.clubList = "ABC \"Alpha\" 00010101 37.5 127.0 0 0 0 0 0 0 1.25\n",
                       .aliasList = "_0010101 ABC\r\n"});
    ASSERT_EQ(data_.AliasList[0].size(), 1u);
    EXPECT_EQ(data_.AliasList[0][0].fileKey, "_0010101");
    EXPECT_EQ(data_.AliasList[0][0].name, "ABC");

    workFolder_.Write("ClubListKorea.dat", "stale");
    LoadReferenceZone(context_, 0, "ABC     12345678\r\n");
    ASSERT_EQ(data_.ReferenceList[0].size(), 1u);
    EXPECT_EQ(data_.ReferenceList[0][0].name, "ABC");
    EXPECT_TRUE(std::filesystem::is_empty(workFolder_.path()));
}

}  // namespace
}  // namespace orvane
