#include "cli/AreaCommands.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "browser/AreaTree.h"
#include "cli/JsonOutput.h"
#include "shell/FrontEndTexts.h"
#include "util/Text.h"

namespace orvane::cli {
namespace {

using nlohmann::ordered_json;

// Sub-areas are English only, so a list is plain strings.
ordered_json SubAreasJson(const RegionRow& row) {
    ordered_json names = ordered_json::array();
    for (std::string_view name : row.subAreas) names.push_back(name);
    return names;
}

ordered_json RegionJson(const AreaTreeRegion& region) {
    ordered_json json = {{"tab", region.tab}};
    if (region.row != nullptr) json["code"] = region.row->code;
    json["ko"] = region.label.korean;
    json["en"] = region.label.english;
    if (region.row != nullptr) {
        json["zone"] = region.row->zone;
        json["number"] = region.row->regionNumber;
        json["subAreas"] = SubAreasJson(*region.row);
    }
    return json;
}

ordered_json CountryJson(const AreaTreeCountry& country) {
    ordered_json regions = ordered_json::array();
    for (const AreaTreeRegion& region : country.regions) regions.push_back(RegionJson(region));
    return {{"tab", country.tab},
            {"ko", country.label.korean},
            {"en", country.label.english},
            {"selection", country.selection},
            {"subdivided", country.subdivided},
            {"regions", std::move(regions)}};
}

// "Primary (secondary)" in the interface language first; one text when both agree.
std::string Both(Language language, TextPair label) {
    const std::string_view first = PickText(language, label);
    const std::string_view second = PickText(language, {label.english, label.korean});
    std::string text(first);
    if (second != first) text.append(" (").append(second).append(")");
    return text;
}

std::string Said(Language language, TextPair format) { return std::string(PickText(language, format)); }

void PrintRegion(std::ostream& out, Language language, const AreaTreeRegion& region) {
    out << "    " << region.tab << ' ';
    if (region.row == nullptr) {
        out << Both(language, region.label) << '\n';
        return;
    }
    const RegionRow& row = *region.row;
    out << row.code << ' ' << Both(language, region.label)
        << Format(Said(language, text::RegionZoneFormat).c_str(), row.zone, row.regionNumber);
    if (row.subAreas.size() < 2) {
        out << PickText(language, text::NoSubAreas) << '\n';
        return;
    }
    out << '\n';
    int s = 0;
    for (std::string_view name : row.subAreas) out << "      " << ++s << ' ' << name << '\n';
}

void PrintTree(const CliContext& context, const std::vector<AreaTreeContinent>& tree) {
    std::ostream& out = context.out;
    const Language language = context.language;
    for (const AreaTreeContinent& continent : tree) {
        out << continent.index << ' '
            << Format(Said(language, text::CountryCountFormat).c_str(),
                      Both(language, continent.label).c_str(), continent.countryCount)
            << '\n';
        for (const AreaTreeCountry& country : continent.countries) {
            out << "  " << country.tab << ' ' << Both(language, country.label)
                << Format(Said(language, text::SelectionFormat).c_str(), country.selection,
                          country.subdivided ? Said(language, text::SubdividedMark).c_str() : "")
                << '\n';
            for (const AreaTreeRegion& region : country.regions) PrintRegion(out, language, region);
        }
    }
}

ordered_json AreasJson() {
    ordered_json continents = ordered_json::array();
    for (const AreaTreeContinent& continent : BuildAreaTree()) {
        ordered_json countries = ordered_json::array();
        for (const AreaTreeCountry& country : continent.countries)
            countries.push_back(CountryJson(country));
        continents.push_back({{"index", continent.index},
                              {"ko", continent.label.korean},
                              {"en", continent.label.english},
                              {"countries", std::move(countries)}});
    }
    return {{"continents", std::move(continents)}};
}

}  // namespace

int AreasCommand(const CliContext& context) {
    if (context.json) {
        PrintJson(context.out, AreasJson());
    } else {
        PrintTree(context, BuildAreaTree());
    }
    return 0;
}

}  // namespace orvane::cli
