#include "cli/BrowserCommands.h"

#include <iomanip>
#include <nlohmann/json.hpp>

#include "cli/ConnectedRun.h"
#include "cli/JsonOutput.h"
#include "shell/FrontEndTexts.h"
#include "util/TextDecoding.h"

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
                        {"stored", row.Cell(kStoredColumn)},
                        {"added", row.Cell(kAddedColumn)},
                        {"modified", row.Cell(kModifiedColumn)},
                        {"name", row.Cell(kNameColumn)},
                        {"id", row.Cell(kIdColumn)}});
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

void PrintBrowser(std::ostream& out, const Browser& browser, Language language) {
    PrintTab(out, PickText(language, text::ContinentStrip), browser.continentTab);
    PrintTab(out, PickText(language, text::CountryStrip), browser.countryTab);
    PrintTab(out, PickText(language, text::RegionStrip), browser.regionTab);
    PrintTab(out, PickText(language, text::SubAreaStrip), browser.subAreaTab);
    out << browser.memoryLine << '\n';
    out << std::left << std::setw(36) << browser.headings[0] << std::setw(36)
        << browser.headings[1] << browser.headings[2] << '\n';
    for (const CourseRow& row : browser.list.rows()) {
        out << std::setw(36) << DisplayText(row.Cell(kStoredColumn)) << std::setw(36)
            << DisplayText(row.Cell(kAddedColumn)) << DisplayText(row.Cell(kModifiedColumn)) << '\n';
    }
}

int PrintList(const CliContext& context, const Browser& browser) {
    if (context.json) {
        PrintJson(context.out, BrowserJson(browser));
    } else {
        PrintBrowser(context.out, browser, context.language);
    }
    return 0;
}

}  // namespace

int CoursesCommand(const CliContext& context, const std::vector<int>& tabs) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    Browser& browser = run.session().browser;
    browser.SelectTabs(tabs);
    return PrintList(context, browser);
}

int SearchCommand(const CliContext& context, const std::string& text) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    if (!run.session().browser.SearchCourses(text)) return 1;
    return PrintList(context, run.session().browser);
}

}  // namespace orvane::cli
