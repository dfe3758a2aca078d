#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "shell/Language.h"
#include "shell/ShellTexts.h"

// The fixed area hierarchy the catalogue is browsed by: continents, their
// countries, the regions of each country and, for five countries, the
// sub-areas of each region. Every label exists in Korean and English.
//
// An area code (a course's `id`) reads as CCCCRRSS: country code, region and
// sub-area. Korean courses keep their region in the last three digits instead.
namespace orvane {

inline constexpr int kContinentCount = 5;
// The continent whose only view lists the results of the course search.
inline constexpr int kResultsContinent = 4;
inline constexpr int kSearchResultsSelection = 400;

// `SelectionCode`: names one country view (or a continent's "All" view when
// `countryTab` is 0); it is also what a transfer is told.
constexpr int SelectionCode(int continentTab, int countryTab) {
    return continentTab * 100 + countryTab;
}
constexpr int ContinentOf(int selectionCode) { return selectionCode / 100; }

// `MatchKind`: how a fill's filter code is matched, and which device zone
// holds the stored copies of what it lists.
enum class MatchKind : std::int32_t {
    Korea = 0,
    China = 1,
    Japan = 2,
    Usa = 3,
    Canada = 4,
    Australia = 5,
    UnitedKingdom = 6,
    Zone24 = 7,
    Zone25 = 8,
    Zone26 = 9,
    Zone27 = 10,
    // Asian courses of the mixed zone 4.
    AsiaInZone4 = 11,
    // Any other country's courses of zone 4.
    OtherInZone4 = 12,
};

struct Continent {
    int index = 0;
    TextPair label;
    int countryCount = 0;
};

// The country codes a country's courses carry (Korea, China and Japan have an
// old and a new one; the catch-all "Others" three).
class CountryCodes {
public:
    constexpr CountryCodes(std::initializer_list<std::int32_t> codes) {
        for (std::int32_t code : codes) values_.at(count_++) = code;
    }
    constexpr std::span<const std::int32_t> values() const { return {values_.data(), count_}; }

private:
    std::array<std::int32_t, 3> values_{};
    std::size_t count_ = 0;
};

// The zones a country's courses live in. Where first != last the region row
// decides (Japan, USA, United Kingdom).
struct ZoneSpan {
    int first = 0;
    int last = 0;
};

struct Country {
    int continent = 0;
    // 1-based: tab 0 of every continent is its "All" view.
    int tab = 0;
    TextPair label;
    CountryCodes codes;
    ZoneSpan zones;
};

// `RegionNames`: the region strip of a view that is not subdivided. Region
// tab r is the region number the view's filter codes use.
struct RegionNames {
    int selectionCode = 0;
    int n = 0;
    std::span<const std::string_view> english;
    // Empty where the table gives no Korean labels: see RegionLabel.
    std::span<const std::string_view> korean;
};

// `RegionRow`: one region of a subdivided country, one tab of its strip.
struct RegionRow {
    std::string_view english;
    std::string_view korean;
    // Two ASCII letters; the USA strip shows it for every state but the
    // selected one.
    std::string_view code;
    // `SubAreaList`: English only. A single entry is a placeholder for a
    // region without sub-areas and is never shown.
    std::span<const std::string_view> subAreas;
    std::int32_t subAreaCount = 0;
    std::int32_t zone = 0;
    // 1-based: the RR digits of the region's area codes.
    std::int32_t regionNumber = 0;
};

struct SubdividedCountry {
    int selectionCode = 0;
    // (base + region number) × 100 is the CCCCRR00 of a region's codes.
    std::int32_t base = 0;
    MatchKind kind = MatchKind::Korea;
    // The first tab of every sub-area strip.
    TextPair allSubAreas;
    // Only the USA strip shows codes instead of names.
    bool showsCodes = false;
    std::span<const RegionRow> rows;
};

inline constexpr TextPair kAllCountriesLabel{"전체", "All"};

std::span<const Continent> Continents();
// Null outside 0..4.
const Continent* FindContinent(int index);

std::span<const Country> CountriesOf(int continent);
// `tab` 1..count; null otherwise (tab 0 is "All", which is no country).
const Country* FindCountry(int continent, int tab);

// Null for the subdivided countries and for codes that name no view.
const RegionNames* FindRegionNames(int selectionCode);
// Where the table lists no Korean labels, Korean shows the English ones, but
// "All Areas" becomes "전체" and "Others" becomes "기타". Empty past n.
std::string_view RegionLabel(const RegionNames& table, int regionTab, Language language);

std::span<const SubdividedCountry> SubdividedCountries();
const SubdividedCountry* FindSubdividedCountry(int selectionCode);
// Null unless `regionTab` is a row of the subdivided view.
const RegionRow* FindRegionRow(int selectionCode, int regionTab);
// A region without sub-areas shows only the "All" tab.
bool HasSubAreas(const RegionRow& row);

// The tab strips as they show. Country: "All" then the continent's countries
// (continent 4: "All" only). Region: the plain labels, or one label per row
// with the USA naming only `selectedRegion` and showing the others' codes.
// Sub-area: the "All" label, then the list when there is one. Empty for a
// view or row that does not exist.
std::vector<std::string_view> CountryTabLabels(int continent, Language language);
std::vector<std::string_view> RegionTabLabels(int selectionCode, Language language,
                                              int selectedRegion);
std::vector<std::string_view> SubAreaTabLabels(int selectionCode, int regionTab, Language language);

}  // namespace orvane
