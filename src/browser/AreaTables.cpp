#include "browser/AreaTables.h"

#include <algorithm>

#include "browser/AreaTableData.h"

namespace orvane {
namespace {

using namespace area_data;

template <typename Row>
const Row* At(std::span<const Row> rows, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return nullptr;
    return &rows[static_cast<std::size_t>(index)];
}

}  // namespace

std::span<const Continent> Continents() { return ContinentTable; }

const Continent* FindContinent(int index) { return At(Continents(), index); }

std::span<const Country> CountriesOf(int continent) {
    const auto first = std::find_if(CountryTable.begin(), CountryTable.end(),
                                    [&](const Country& c) { return c.continent == continent; });
    const auto last = std::find_if(first, CountryTable.end(),
                                   [&](const Country& c) { return c.continent != continent; });
    return {first, last};
}

const Country* FindCountry(int continent, int tab) { return At(CountriesOf(continent), tab - 1); }

const RegionNames* FindRegionNames(int selectionCode) {
    for (const RegionNames& table : RegionNamesTable) {
        if (table.selectionCode == selectionCode) return &table;
    }
    return nullptr;
}

std::string_view RegionLabel(const RegionNames& table, int regionTab, Language language) {
    const std::string_view* english = At(table.english, regionTab);
    if (!english) return {};
    if (language != Language::Korean) return *english;
    if (!table.korean.empty()) return table.korean[static_cast<std::size_t>(regionTab)];
    if (*english == "All Areas") return "전체";
    if (*english == "Others") return "기타";
    return *english;
}

std::span<const SubdividedCountry> SubdividedCountries() { return SubdividedCountryTable; }

const SubdividedCountry* FindSubdividedCountry(int selectionCode) {
    for (const SubdividedCountry& country : SubdividedCountryTable) {
        if (country.selectionCode == selectionCode) return &country;
    }
    return nullptr;
}

const RegionRow* FindRegionRow(int selectionCode, int regionTab) {
    const SubdividedCountry* country = FindSubdividedCountry(selectionCode);
    return country ? At(country->rows, regionTab) : nullptr;
}

bool HasSubAreas(const RegionRow& row) { return row.subAreaCount >= 2; }

std::vector<std::string_view> CountryTabLabels(int continent, Language language) {
    if (!FindContinent(continent)) return {};
    std::vector<std::string_view> labels{PickText(language, kAllCountriesLabel)};
    for (const Country& country : CountriesOf(continent))
        labels.push_back(PickText(language, country.label));
    return labels;
}

std::vector<std::string_view> RegionTabLabels(int selectionCode, Language language,
                                              int selectedRegion) {
    std::vector<std::string_view> labels;
    if (const RegionNames* table = FindRegionNames(selectionCode)) {
        for (int r = 0; r < table->n; ++r) labels.push_back(RegionLabel(*table, r, language));
    } else if (const SubdividedCountry* country = FindSubdividedCountry(selectionCode)) {
        for (std::size_t r = 0; r < country->rows.size(); ++r) {
            const RegionRow& row = country->rows[r];
            const bool named = !country->showsCodes || static_cast<int>(r) == selectedRegion;
            labels.push_back(named ? PickText(language, row.korean, row.english) : row.code);
        }
    }
    return labels;
}

std::vector<std::string_view> SubAreaTabLabels(int selectionCode, int regionTab,
                                               Language language) {
    const SubdividedCountry* country = FindSubdividedCountry(selectionCode);
    const RegionRow* row = FindRegionRow(selectionCode, regionTab);
    if (!country || !row) return {};
    std::vector<std::string_view> labels{PickText(language, country->allSubAreas)};
    // A lone entry is the placeholder of a region without sub-areas.
    if (HasSubAreas(*row)) labels.insert(labels.end(), row->subAreas.begin(), row->subAreas.end());
    return labels;
}

}  // namespace orvane
