#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "browser/AreaQuery.h"
#include "browser/CourseList.h"
#include "browser/CourseSearch.h"
#include "catalogue/CatalogueCounts.h"
#include "catalogue/CatalogueData.h"
#include "device/DeviceLink.h"
#include "shell/Ui.h"

namespace orvane {

// One row of tabs: labels in the current language, the selected tab and
// whether the strip is shown.
struct TabStrip {
    std::vector<std::string> labels;
    int selected = 0;
    bool visible = true;

    // A refilled strip starts with its first tab selected.
    void Fill(const std::vector<std::string_view>& newLabels);
    void Clear() { Fill({}); }
};

// Counters a front end compares with the values it saw last to learn what
// changed; each grows with every change of its part.
struct BrowserRevisions {
    // Labels, selection or visibility of a tab strip.
    std::uint64_t tabs = 0;
    // The three column headings.
    std::uint64_t headings = 0;
    std::uint64_t memoryLine = 0;
    // The list's rows (refilled or reordered), and its check marks or
    // columns changed in place.
    std::uint64_t rows = 0;
    std::uint64_t checks = 0;

    bool operator==(const BrowserRevisions&) const = default;
};

// The catalogue browser without its widgets: four tab strips choose an area,
// the course list shows the catalogue's courses of that area with their
// stored and server versions, and a search lists courses by name. Front ends
// mirror this state and call the handlers the way the person acts.
class Browser {
public:
    Browser(const CatalogueData& data, DeviceLink& device, Ui& ui);

    TabStrip continentTab;
    TabStrip countryTab;
    TabStrip regionTab;
    TabStrip subAreaTab{{}, 0, false};
    CourseList list;
    std::vector<const CourseNode*> searchResults;
    CatalogueCountsResult counts;
    std::array<std::string, 3> headings;
    // The counts of the last header refresh.
    HeaderCounts headerCounts;
    std::int32_t remainingMapCount = 0;
    std::string memoryLine;

    int SelectionCode() const;

    // The tab procedures, as the strips' selection changes call them.
    void ShowArea();
    void ContinentChanged();
    void CountryChanged();
    void SubAreaChanged();
    // The jump buttons: continent `index`, then ContinentChanged.
    void SelectContinent(int index);
    // A person clicking a tab.
    void SelectCountry(int tab);
    void SelectRegion(int tab);
    void SelectSubArea(int tab);
    // Continent, country, region and sub-area tab in that order, as far as
    // `tabs` goes, as a person clicks them.
    void SelectTabs(const std::vector<int>& tabs);

    void ColumnHeaderClicked(int column);
    void SetChecked(std::size_t row, bool checked);
    void RefreshHeaders();
    void UpdateMemoryLine();
    // Lists the courses whose names hold the text's words; tells the person
    // when there is no text or nothing is found. True when something was found.
    bool SearchCourses(std::string_view text);
    // After a language switch: every text again in the new language, the
    // status line included.
    void RebuildBrowser();
    // The connection's tab set-up for the device's market.
    void SetUpForMarket();
    // Empties the list and the search results, which point into the
    // catalogue, before the catalogue is loaded again or the device goes.
    void ForgetCourses();

    BrowserRevisions revisions() const;

private:
    void RebuildTabs();
    void FillRegionTabFor(int selectionCode);
    void RefillSubdividedRegions(int selectionCode);
    void ListFills(const std::vector<AreaFill>& fills, int regionSelection);
    void ListSearchResults();
    void FinishListing();
    bool ShownByName(bool namedInEnglish) const;

    const CatalogueData& data_;
    DeviceLink& device_;
    Ui& ui_;
    CourseSearchIndex searchIndex_;
    BrowserRevisions revisions_;
};

}  // namespace orvane
