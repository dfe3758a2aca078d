#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/Process.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::ProcessResult;
using testing::RunProcess;

json Areas() {
    const ProcessResult run = RunProcess({ORVANE_CLI, "areas", "--json"}, {"LANG=C"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out);
}

TEST(AreasCommand, JsonHoldsTheWholeHierarchy) {
    const json tree = Areas();
    const json& continents = tree["continents"];
    ASSERT_EQ(continents.size(), 5u);
    // Country strips count their "All" tab; the search results have none.
    const std::size_t countryTabs[] = {12, 8, 16, 7, 0};
    for (std::size_t c = 0; c < 5; ++c) {
        EXPECT_EQ(continents[c]["index"], c);
        ASSERT_EQ(continents[c]["countries"].size(), countryTabs[c]) << c;
        for (std::size_t tab = 0; tab < countryTabs[c]; ++tab) {
            const json& country = continents[c]["countries"][tab];
            EXPECT_EQ(country["tab"], tab);
            EXPECT_EQ(country["selection"], c * 100 + tab);
        }
    }
    EXPECT_EQ(continents[4]["en"], "Results");
    EXPECT_EQ(continents[4]["ko"], "검색결과");

    const json& asiaAll = continents[0]["countries"][0];
    EXPECT_EQ(asiaAll["ko"], "전체");
    EXPECT_EQ(asiaAll["en"], "All");
    EXPECT_EQ(asiaAll["subdivided"], false);
    EXPECT_EQ(
        asiaAll["regions"],
        json::parse(R"j([{"tab":0,"ko":"전체(일본제외)","en":"All Areas(Exclude Japan)"}])j"));

    const json& korea = continents[0]["countries"][1];
    EXPECT_EQ(korea["en"], "Korea");
    ASSERT_EQ(korea["regions"].size(), 9u);
    EXPECT_EQ(korea["regions"][8], json::parse(R"({"tab":8,"ko":"제주도","en":"Jeju"})"));

    const json& france = continents[2]["countries"][2];
    EXPECT_EQ(france["selection"], 202);
    EXPECT_EQ(france["regions"][8], json::parse(R"({"tab":8,"ko":"기타","en":"Others"})"));

    const json& usa = continents[1]["countries"][1];
    EXPECT_EQ(usa["en"], "USA");
    ASSERT_EQ(usa["regions"].size(), 51u);
    const json& alaska = usa["regions"][1];
    EXPECT_EQ(alaska, json::parse(R"({"tab":1,"code":"AK","ko":"알래스카","en":"Alaska","zone":19,
                                      "number":2,"subAreas":["All Counties"]})"));
    const json& california = usa["regions"][4];
    EXPECT_EQ(california["code"], "CA");
    EXPECT_EQ(california["ko"], "캘리포니아");
    EXPECT_EQ(california["zone"], 5);
    ASSERT_EQ(california["subAreas"].size(), 33u);
    EXPECT_EQ(california["subAreas"][13], "Orange County");

    const json& japan = continents[0]["countries"][2];
    EXPECT_EQ(japan["regions"][0]["en"], "Chubu");
    EXPECT_EQ(japan["regions"][0]["tab"], 0);
    EXPECT_EQ(japan["regions"][7]["subAreas"].back(), "Yamagata");
}

TEST(AreasCommand, TextIsAnIndentedTreeInTheChosenLanguage) {
    const ProcessResult english = RunProcess({ORVANE_CLI, "--lang", "en", "areas"});
    ASSERT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out.rfind(
                  "0 Asia/Pacific (아시아/태평양): 11 countries\n  0 All (전체)  [selection 0]\n"
                  "    0 All Areas(Exclude Japan) (전체(일본제외))\n",
                  0),
              0u)
        << english.out.substr(0, 200);
    EXPECT_NE(english.out.find("  2 Japan (일본)  [selection 2, subdivided]\n"
                               "    0 CB Chubu (추부지역)  zone 2, region 1\n      1 Aichi\n"),
              std::string::npos);
    EXPECT_NE(english.out.find("    2 HK Hokkaido (홋카이도)  zone 2, region 3, no sub-areas\n"),
              std::string::npos);
    EXPECT_NE(english.out.find("\n4 Results (검색결과): 0 countries\n"), std::string::npos);

    const ProcessResult korean = RunProcess({ORVANE_CLI, "areas", "--lang", "ko"});
    ASSERT_EQ(korean.exitCode, 0) << korean.err;
    EXPECT_NE(korean.out.find("    3 UAE\n"), std::string::npos);
    EXPECT_NE(korean.out.find("    1 Alsace/Aquitaine/Auvergne\n"), std::string::npos);
    EXPECT_NE(korean.out.find("    0 전체 (All Areas)\n"), std::string::npos);
}

}  // namespace
}  // namespace orvane
