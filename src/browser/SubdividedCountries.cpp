#include "browser/AreaTableData.h"

namespace orvane::area_data {
namespace {

// Japan: sub-area lists; the position (from 1) is the SS digits.
constexpr std::string_view kJapanCB[] = {"Aichi",   "Fukui",    "Gifu",   "Ishikawa", "Nagano",
                                         "Niigata", "Shizouka", "Toyama", "Yamanashi"};
constexpr std::string_view kJapanCG[] = {"Hiroshima", "Okayama", "Shimane", "Tottori", "Yamaguchi"};
constexpr std::string_view kJapanHK[] = {"Hokkaido"};
constexpr std::string_view kJapanKT[] = {"Chiba",   "Gunma",   "Ibaraki", "Kanagawa",
                                         "Saitama", "Tochigi", "Tokyo"};
constexpr std::string_view kJapanKK[] = {"Hyogo", "Kyoto", "Mie",     "Nara",
                                         "Osaka", "Shiga", "Wakayama"};
constexpr std::string_view kJapanKS[] = {"Fukuoka",  "Kagoshima", "Kumamoto", "Miyazaki",
                                         "Nagasaki", "Oita",      "Okinawa",  "Saga"};
constexpr std::string_view kJapanSK[] = {"Ehime", "Kagawa", "Kochi", "Tokushima"};
constexpr std::string_view kJapanTH[] = {"Aomori", "Akita",  "Fukushima",
                                         "Iwata",  "Miyagi", "Yamagata"};

// Canada: sub-area lists; the position (from 1) is the SS digits.
constexpr std::string_view kCanadaAB[] = {"Calgary Area", "Edmonton Area", "Central Alberta",
                                          "North East",   "North West",    "Southern Alberta"};
constexpr std::string_view kCanadaBC[] = {"BC Rockies/Kootenays", "Northern BC",
                                          "Thompson/Okanagan",    "Vancouver/Lower Mainland",
                                          "Vancouver Island",     "Whistler/Sea to Sky"};
constexpr std::string_view kCanadaMB[] = {"All Courses"};
constexpr std::string_view kCanadaNB[] = {"All Courses"};
constexpr std::string_view kCanadaNL[] = {"All Courses"};
constexpr std::string_view kCanadaNT[] = {"All Courses"};
constexpr std::string_view kCanadaNS[] = {"All Courses"};
constexpr std::string_view kCanadaNU[] = {"All Courses"};
constexpr std::string_view kCanadaON[] = {
    "Barrie/Southcentral ON",     "Haliburton/Kawartha",     "Hamilton/Niagara Falls",
    "Kitchener-Waterloo/West ON", "Muskoka/Cottage Country", "Northern Ontario",
    "Ottawa/Eastern Ontario",     "Southwestern Ontario",    "Toronto Area"};
constexpr std::string_view kCanadaPE[] = {"All Courses"};
constexpr std::string_view kCanadaQC[] = {"Gaspe Peninsula", "Laurentides/Outaouais",
                                          "Montreal Area", "Northern Quebec", "Quebec City Area"};
constexpr std::string_view kCanadaSK[] = {"Regina/Moose Jaw", "Saskatoon/Prince Albert",
                                          "Surrounding Areas"};
constexpr std::string_view kCanadaYT[] = {"All Courses"};

// United Kingdom: sub-area lists; the position (from 1) is the SS digits.
constexpr std::string_view kUnitedKingdomNE[] = {
    "Cheshire",     "Cumbria/Derbyshire", "Durham/Isle of Man", "Lancashire", "Leicestershire",
    "Lincolnshire", "Northumberland",     "Nottinghamshire",    "Yorkshire",  "Others"};
constexpr std::string_view kUnitedKingdomSE[] = {"Bedfordshire/Berkshire",
                                                 "Buckinghamshire",
                                                 "Cambridgeshire",
                                                 "Cornwall/Devon",
                                                 "Dorset/Essex",
                                                 "Gloucestershire",
                                                 "Greater London",
                                                 "Hampshire",
                                                 "Herefordshire/Hertfordshire",
                                                 "Kent/Norfolk",
                                                 "Northamptonshire",
                                                 "Oxfordshire",
                                                 "Shropshire/Somerset",
                                                 "Staffordshire/Suffolk",
                                                 "Surrey/Sussex",
                                                 "Warwickshire/Wiltshire",
                                                 "Worcestershire",
                                                 "Others"};
constexpr std::string_view kUnitedKingdomSC[] = {"Central",    "Heartlands", "Highlands",
                                                 "North East", "South East", "South West"};
constexpr std::string_view kUnitedKingdomWL[] = {"All Courses"};
constexpr std::string_view kUnitedKingdomNI[] = {"All Courses"};

// Australia: sub-area lists; the position (from 1) is the SS digits.
constexpr std::string_view kAustraliaAC[] = {"All Courses"};
constexpr std::string_view kAustraliaNS[] = {"Central NSW Coast", "Hunter Valley/Newcastle",
                                             "Murray River", "Sydney Area"};
constexpr std::string_view kAustraliaNT[] = {"All Courses"};
constexpr std::string_view kAustraliaQL[] = {"Brisbane", "Gold Coast", "Sunshine Coast",
                                             "Tropical North"};
constexpr std::string_view kAustraliaSA[] = {"All Courses"};
constexpr std::string_view kAustraliaTS[] = {"All Courses"};
constexpr std::string_view kAustraliaVC[] = {"Bellarine Peninsula", "Melbourne Area",
                                             "Mornington Peninsula", "Sand Belt"};
constexpr std::string_view kAustraliaWA[] = {"All Courses"};

}  // namespace

// English name, Korean name, code, sub-areas, their count, zone, region number.
constexpr std::array<RegionRow, 8> JapanRegions = {{
    {"Chubu", "추부지역", "CB", kJapanCB, 9, 2, 1},
    {"Chugoku", "추고쿠지역", "CG", kJapanCG, 5, 3, 2},
    {"Hokkaido", "홋카이도", "HK", kJapanHK, 1, 2, 3},
    {"Kanto", "칸토지역", "KT", kJapanKT, 7, 2, 4},
    {"Kinki", "킨키지역", "KK", kJapanKK, 7, 3, 5},
    {"Kyushu", "큐슈지역", "KS", kJapanKS, 8, 3, 6},
    {"Shikoku", "시코쿠지역", "SK", kJapanSK, 4, 3, 7},
    {"Tohoku", "토호쿠지역", "TH", kJapanTH, 6, 2, 8},
}};
static_assert(RowsAgree(JapanRegions));

// English name, Korean name, code, sub-areas, their count, zone, region number.
constexpr std::array<RegionRow, 13> CanadaRegions = {{
    {"Alberta", "앨버타", "AB", kCanadaAB, 6, 20, 1},
    {"British Columbia", "브리티시컬럼비아", "BC", kCanadaBC, 6, 20, 2},
    {"Manitoba", "매니토바", "MB", kCanadaMB, 1, 20, 3},
    {"New Brunswick", "뉴브런즈윅", "NB", kCanadaNB, 1, 20, 4},
    {"Newfoundland", "뉴펀들랜드", "NL", kCanadaNL, 1, 20, 5},
    {"Northwest Territories", "노스웨스트", "NT", kCanadaNT, 1, 20, 6},
    {"Nova Scotia", "노바스코샤", "NS", kCanadaNS, 1, 20, 7},
    {"Nunavut", "누나부트", "NU", kCanadaNU, 1, 20, 8},
    {"Ontario", "온타리오", "ON", kCanadaON, 9, 20, 9},
    {"Prince Edward Island", "프린스에드워드섬", "PE", kCanadaPE, 1, 20, 10},
    {"Quebec", "퀘벡", "QC", kCanadaQC, 5, 20, 11},
    {"Saskatchewan", "서스캐처원", "SK", kCanadaSK, 3, 20, 12},
    {"Yukon Territory", "유콘", "YT", kCanadaYT, 1, 20, 13},
}};
static_assert(RowsAgree(CanadaRegions));

// English name, Korean name, code, sub-areas, their count, zone, region number.
constexpr std::array<RegionRow, 5> UnitedKingdomRegions = {{
    {"Northern England", "북잉글랜드", "NE", kUnitedKingdomNE, 10, 22, 1},
    {"Southern England", "남잉글랜드", "SE", kUnitedKingdomSE, 18, 23, 2},
    {"Scotland", "스코틀랜드", "SC", kUnitedKingdomSC, 6, 22, 3},
    {"Wales", "웨일즈", "WL", kUnitedKingdomWL, 1, 23, 4},
    {"Northern Ireland", "북아일랜드", "NI", kUnitedKingdomNI, 1, 22, 5},
}};
static_assert(RowsAgree(UnitedKingdomRegions));

// English name, Korean name, code, sub-areas, their count, zone, region number.
constexpr std::array<RegionRow, 8> AustraliaRegions = {{
    {"ACT", "수도권지역", "AC", kAustraliaAC, 1, 21, 1},
    {"New South Wales", "뉴사우스웨일스", "NS", kAustraliaNS, 4, 21, 2},
    {"Northern Territory", "북부지역", "NT", kAustraliaNT, 1, 21, 3},
    {"Queensland", "퀸즐랜드", "QL", kAustraliaQL, 4, 21, 4},
    {"South Australia", "남부호주", "SA", kAustraliaSA, 1, 21, 5},
    {"Tasmania", "태즈메이니아", "TS", kAustraliaTS, 1, 21, 6},
    {"Victoria", "빅토리아", "VC", kAustraliaVC, 4, 21, 7},
    {"Western Australia", "서부호주", "WA", kAustraliaWA, 1, 21, 8},
}};
static_assert(RowsAgree(AustraliaRegions));

constexpr std::array<SubdividedCountry, 5> SubdividedCountryTable = {{
    {2, 501200, MatchKind::Japan, {"전체", "All Courses"}, false, JapanRegions},
    {101, 100100, MatchKind::Usa, {"전체카운티", "All Counties"}, true, UsaRegions},
    {102, 100200, MatchKind::Canada, {"전체", "All Courses"}, false, CanadaRegions},
    {201, 300100, MatchKind::UnitedKingdom, {"전체", "All Courses"}, false, UnitedKingdomRegions},
    {301, 200100, MatchKind::Australia, {"전체", "All Courses"}, false, AustraliaRegions},
}};

}  // namespace orvane::area_data
