#include "browser/InformationBox.h"

#include "browser/AreaTables.h"
#include "util/Text.h"

namespace orvane {
namespace {

constexpr std::size_t kMaxAreaText = 255;

bool CountsCountyLists(int selection) { return selection == 101 || selection == 102 || selection == 301; }

std::string RegionName(int selection, int region, Language language) {
    if (const RegionRow* row = FindRegionRow(selection, region))
        return std::string(PickText(language, row->korean, row->english));
    if (const RegionNames* table = FindRegionNames(selection))
        return std::string(RegionLabel(*table, region, language));
    return {};
}

std::string SubAreaName(int selection, int region, int subArea, Language language) {
    const SubdividedCountry* country = FindSubdividedCountry(selection);
    const RegionRow* row = FindRegionRow(selection, region);
    if (country == nullptr || row == nullptr) return {};
    if (subArea == 0) {
        return std::string(CountsCountyLists(selection) ? PickText(language, "전체카운티", "All Counties")
                                                        : PickText(language, kAllCountriesLabel));
    }
    const auto index = static_cast<std::size_t>(subArea - 1);
    return HasSubAreas(*row) && index < row->subAreas.size() ? std::string(row->subAreas[index])
                                                              : std::string();
}

}  // namespace

std::string AreaText(const Browser& browser, Language language) {
    const int continent = browser.continentTab.selected;
    const int country = browser.countryTab.selected;
    const int region = browser.regionTab.selected;
    const int subArea = browser.subAreaTab.selected;
    const int selection = SelectionCode(continent, country);

    const Continent* continentRow = FindContinent(continent);
    const std::string continentName =
        continentRow ? std::string(PickText(language, continentRow->label)) : std::string();
    const Country* countryRow = FindCountry(continent, country);
    std::string a = country != 0 && countryRow ? std::string(PickText(language, countryRow->label))
                                               : continentName;
    std::string b(PickText(language, kAllCountriesLabel));
    std::string c;
    if (continent == kResultsContinent) {
        a = PickText(language, "검색결과", "Searched");
        b.clear();
    } else if (FindSubdividedCountry(selection) != nullptr) {
        b = RegionName(selection, region, language);
        c = SubAreaName(selection, region, subArea, language);
    } else if (country != 0 && region != 0) {
        b = RegionName(selection, region, language);
    }

    std::string text;
    if (!c.empty()) {
        text = a + " \\\r\n" + b + " \\\r\n" + c;
    } else if (b.empty()) {
        text = a;
    } else if (country == 0) {
        text = a + " \\\r\n" + b;
    } else {
        text = continentName + " \\\r\n" + a + " \\\r\n" + b;
    }
    return text.substr(0, std::min(text.size(), kMaxAreaText));
}

std::string InformationText(const Browser& browser, Language language) {
    const HeaderCounts& counts = browser.headerCounts;
    const std::string area = AreaText(browser, language);
    if (language == Language::Korean) {
        return Format("%s\r\n%s(%d)/%s(%d)\r\n%s\r\n\r\n%s\r\n", "선택지역에서", "추가", counts.added,
                      "수정된", counts.modified, "모든 골프장 내려받기", area.c_str());
    }
    return Format("%s\r\n%s(%d)/%s(%d)\r\n%s\r\n\r\n%s\r\n", "Download All Courses", "Added",
                  counts.added, "Modified", counts.modified, "At Selected Area", area.c_str());
}

}  // namespace orvane
