#include "cli/AreaCommands.h"

#include <iostream>

#include "browser/AreaTables.h"

namespace orvane::cli {
namespace {

using nlohmann::ordered_json;

// Sub-areas are English only, so a list is plain strings.
ordered_json SubAreasJson(const RegionRow& row) {
    ordered_json names = ordered_json::array();
    for (std::string_view name : row.subAreas) names.push_back(name);
    return names;
}

ordered_json RegionsJson(int selectionCode) {
    ordered_json regions = ordered_json::array();
    if (const RegionNames* table = FindRegionNames(selectionCode)) {
        for (int r = 0; r < table->n; ++r) {
            regions.push_back({{"tab", r},
                               {"ko", RegionLabel(*table, r, Language::Korean)},
                               {"en", RegionLabel(*table, r, Language::English)}});
        }
    } else if (const SubdividedCountry* country = FindSubdividedCountry(selectionCode)) {
        // A subdivided country's strip has no "All" tab: tab r is row r.
        int r = 0;
        for (const RegionRow& row : country->rows) {
            regions.push_back({{"tab", r++},
                               {"code", row.code},
                               {"ko", row.korean},
                               {"en", row.english},
                               {"zone", row.zone},
                               {"number", row.regionNumber},
                               {"subAreas", SubAreasJson(row)}});
        }
    }
    return regions;
}

ordered_json CountryJson(int continent, int tab, TextPair label) {
    const int selection = SelectionCode(continent, tab);
    return {{"tab", tab},
            {"ko", label.korean},
            {"en", label.english},
            {"selection", selection},
            {"subdivided", FindSubdividedCountry(selection) != nullptr},
            {"regions", RegionsJson(selection)}};
}

// "Primary (secondary)" in the interface language first; one text when both agree.
std::string Both(Language language, std::string_view korean, std::string_view english) {
    const std::string_view first = PickText(language, korean, english);
    const std::string_view second = PickText(language, english, korean);
    std::string text(first);
    if (second != first) text.append(" (").append(second).append(")");
    return text;
}

std::string Both(Language language, const ordered_json& entry) {
    return Both(language, entry["ko"].get<std::string>(), entry["en"].get<std::string>());
}

void PrintTree(const CliContext& context, const ordered_json& tree) {
    std::ostream& out = context.out;
    const Language language = context.language;
    for (const auto& continent : tree["continents"]) {
        const int index = continent["index"].get<int>();
        out << index << ' ' << Both(language, continent) << ": "
            << FindContinent(index)->countryCount << " countries\n";
        for (const auto& country : continent["countries"]) {
            out << "  " << country["tab"] << ' ' << Both(language, country) << "  [selection "
                << country["selection"] << (country["subdivided"] ? ", subdivided" : "") << "]\n";
            for (const auto& region : country["regions"]) {
                out << "    " << region["tab"] << ' ';
                if (!region.contains("code")) {
                    out << Both(language, region) << '\n';
                    continue;
                }
                out << region["code"].get<std::string>() << ' ' << Both(language, region)
                    << "  zone " << region["zone"] << ", region " << region["number"];
                const auto& subAreas = region["subAreas"];
                if (subAreas.size() < 2) {
                    out << ", no sub-areas\n";
                    continue;
                }
                out << '\n';
                int s = 0;
                for (const auto& name : subAreas)
                    out << "      " << ++s << ' ' << name.get<std::string>() << '\n';
            }
        }
    }
}

}  // namespace

ordered_json AreasJson() {
    ordered_json continents = ordered_json::array();
    for (const Continent& continent : Continents()) {
        ordered_json countries = ordered_json::array();
        // The search results have no country table of their own.
        if (continent.countryCount > 0)
            countries.push_back(CountryJson(continent.index, 0, kAllCountriesLabel));
        for (const Country& country : CountriesOf(continent.index))
            countries.push_back(CountryJson(continent.index, country.tab, country.label));
        continents.push_back({{"index", continent.index},
                              {"ko", continent.label.korean},
                              {"en", continent.label.english},
                              {"countries", std::move(countries)}});
    }
    return {{"continents", std::move(continents)}};
}

int AreasCommand(const CliContext& context) {
    const ordered_json tree = AreasJson();
    if (context.json) {
        context.out << tree.dump(2) << '\n';
    } else {
        PrintTree(context, tree);
    }
    return 0;
}

}  // namespace orvane::cli
