#include "browser/AreaTree.h"

namespace orvane {
namespace {

std::vector<AreaTreeRegion> RegionsOf(int selectionCode) {
    std::vector<AreaTreeRegion> regions;
    if (const RegionNames* table = FindRegionNames(selectionCode)) {
        for (int r = 0; r < table->n; ++r) {
            regions.push_back({r,
                               {RegionLabel(*table, r, Language::Korean),
                                RegionLabel(*table, r, Language::English)}});
        }
    } else if (const SubdividedCountry* country = FindSubdividedCountry(selectionCode)) {
        int r = 0;
        for (const RegionRow& row : country->rows) regions.push_back({r++, {row.korean, row.english}, &row});
    }
    return regions;
}

AreaTreeCountry CountryNode(int continent, int tab, TextPair label) {
    const int selection = SelectionCode(continent, tab);
    return {tab, label, selection, FindSubdividedCountry(selection) != nullptr, RegionsOf(selection)};
}

}  // namespace

std::vector<AreaTreeContinent> BuildAreaTree() {
    std::vector<AreaTreeContinent> tree;
    for (const Continent& continent : Continents()) {
        AreaTreeContinent node{continent.index, continent.label, continent.countryCount, {}};
        // The search results have no country table of their own.
        if (continent.countryCount > 0)
            node.countries.push_back(CountryNode(continent.index, 0, kAllCountriesLabel));
        for (const Country& country : CountriesOf(continent.index))
            node.countries.push_back(CountryNode(continent.index, country.tab, country.label));
        tree.push_back(std::move(node));
    }
    return tree;
}

}  // namespace orvane
