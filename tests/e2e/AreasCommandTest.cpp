#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/Process.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::ProcessResult;
using testing::RunProcess;

// The shape the command gives the tables, through one plain region and one
// region of a subdivided country.
TEST(AreasCommand, JsonHoldsTheWholeHierarchy) {
    const ProcessResult run = RunProcess({ORVANE_CLI, "areas", "--json"}, {"LANG=C"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json continents = json::parse(run.out)["continents"];
    ASSERT_EQ(continents.size(), 5u);
    // Every country strip starts with its "All" tab; the search results have none.
    for (std::size_t c = 0; c < 5; ++c) {
        const json& countries = continents[c]["countries"];
        EXPECT_EQ(countries.empty(), c == 4) << c;
        for (std::size_t tab = 0; tab < countries.size(); ++tab)
            EXPECT_EQ(countries[tab]["selection"], c * 100 + tab);
    }
    EXPECT_EQ(continents[0]["countries"][1]["regions"][8],
              json::parse(R"({"tab":8,"ko":"제주도","en":"Jeju"})"));
    EXPECT_EQ(continents[1]["countries"][1]["regions"][1],
              json::parse(R"({"tab":1,"code":"AK","ko":"알래스카","en":"Alaska","zone":19,
                              "number":2,"subAreas":["All Counties"]})"));
}

TEST(AreasCommand, TextIsAnIndentedTreeInTheChosenLanguage) {
    const ProcessResult english = RunProcess({ORVANE_CLI, "--lang", "en", "areas"});
    ASSERT_EQ(english.exitCode, 0) << english.err;
    EXPECT_TRUE(english.out.starts_with(
        "0 Asia/Pacific (아시아/태평양): 11 countries\n  0 All (전체)  [selection 0]\n"
        "    0 All Areas(Exclude Japan) (전체(일본제외))\n"))
        << english.out.substr(0, 200);
    EXPECT_NE(english.out.find("  2 Japan (일본)  [selection 2, subdivided]\n"
                               "    0 CB Chubu (추부지역)  zone 2, region 1\n      1 Aichi\n"),
              std::string::npos);
    EXPECT_NE(english.out.find("    2 HK Hokkaido (홋카이도)  zone 2, region 3, no sub-areas\n"),
              std::string::npos);

    // Korean first; a label that is the same in both is written once.
    const ProcessResult korean = RunProcess({ORVANE_CLI, "areas", "--lang", "ko"});
    ASSERT_EQ(korean.exitCode, 0) << korean.err;
    EXPECT_NE(korean.out.find("    0 전체 (All Areas)\n"), std::string::npos);
    EXPECT_NE(korean.out.find("    3 UAE\n"), std::string::npos);
}

}  // namespace
}  // namespace orvane
