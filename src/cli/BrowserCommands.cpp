#include "cli/BrowserCommands.h"

#include <iomanip>
#include <nlohmann/json.hpp>

#include "cli/ConnectedRun.h"

namespace orvane::cli {
namespace {

using nlohmann::ordered_json;

ordered_json TabJson(const TabStrip& strip) {
    return {{"labels", strip.labels}, {"selected", strip.selected}};
}

ordered_json BrowserJson(const Browser& browser) {
    ordered_json rows = ordered_json::array();
    for (const CourseRow& row : browser.list.rows()) {
        rows.push_back({{"checked", row.checked},
                        {"stored", row.cells[kStoredColumn]},
                        {"added", row.cells[kAddedColumn]},
                        {"modified", row.cells[kModifiedColumn]},
                        {"name", row.cells[kNameColumn]},
                        {"id", row.cells[kIdColumn]}});
    }
    const HeaderCounts counts = browser.list.Counts();
    return {{"selection", browser.SelectionCode()},
            {"subAreaVisible", browser.subAreaTab.visible},
            {"tabs",
             {{"continent", TabJson(browser.continentTab)},
              {"country", TabJson(browser.countryTab)},
              {"region", TabJson(browser.regionTab)},
              {"subArea", TabJson(browser.subAreaTab)}}},
            {"headings", browser.headings},
            {"counts", {{"stored", counts.stored}, {"added", counts.added}, {"modified", counts.modified}}},
            {"memoryLine", browser.memoryLine},
            {"rows", rows}};
}

void PrintTab(std::ostream& out, std::string_view name, const TabStrip& strip) {
    if (!strip.visible || strip.labels.empty()) return;
    out << name << ":";
    for (std::size_t i = 0; i < strip.labels.size(); ++i) {
        const bool selected = static_cast<int>(i) == strip.selected;
        out << (selected ? " [" : " ") << strip.labels[i] << (selected ? "]" : "");
    }
    out << '\n';
}

void PrintBrowser(std::ostream& out, const Browser& browser) {
    PrintTab(out, "Continent", browser.continentTab);
    PrintTab(out, "Country", browser.countryTab);
    PrintTab(out, "Region", browser.regionTab);
    PrintTab(out, "Sub-area", browser.subAreaTab);
    out << browser.memoryLine << '\n';
    out << std::left << std::setw(36) << browser.headings[0] << std::setw(36)
        << browser.headings[1] << browser.headings[2] << '\n';
    for (const CourseRow& row : browser.list.rows()) {
        out << std::setw(36) << row.cells[kStoredColumn] << std::setw(36) << row.cells[kAddedColumn]
            << row.cells[kModifiedColumn] << '\n';
    }
}

int PrintList(const CliContext& context, const Browser& browser) {
    if (context.json) {
        context.out << BrowserJson(browser).dump(2) << '\n';
    } else {
        PrintBrowser(context.out, browser);
    }
    return 0;
}

}  // namespace

int CoursesCommand(const CliContext& context, const std::vector<int>& tabs) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    Browser& browser = run.session().browser;
    if (tabs.size() > 0) browser.SelectContinent(tabs[0]);
    if (tabs.size() > 1) browser.SelectCountry(tabs[1]);
    if (tabs.size() > 2) browser.SelectRegion(tabs[2]);
    if (tabs.size() > 3) browser.SelectSubArea(tabs[3]);
    return PrintList(context, browser);
}

int SearchCommand(const CliContext& context, const std::string& text) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    if (!run.session().browser.SearchCourses(text)) return 1;
    return PrintList(context, run.session().browser);
}

}  // namespace orvane::cli
