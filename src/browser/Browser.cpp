#include "browser/Browser.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "browser/CourseSearch.h"
#include "browser/MemoryLine.h"
#include "catalogue/NameIndex.h"
#include "device/DeviceVolume.h"

namespace orvane {
namespace {

constexpr int kAmericaContinent = 1;
constexpr int kUsaTab = 1;
constexpr int kKoreaTab = 1;

std::vector<std::string_view> ContinentLabels(Language language) {
    std::vector<std::string_view> labels;
    for (const Continent& continent : Continents()) labels.push_back(PickText(language, continent.label));
    return labels;
}

bool IsSubdivided(MatchKind kind) {
    return kind == MatchKind::Japan || kind == MatchKind::Usa || kind == MatchKind::Canada ||
           kind == MatchKind::Australia || kind == MatchKind::UnitedKingdom;
}

// A fill that takes one whole country of a shared zone; several of them over
// one zone can be listed in a single walk.
bool IsWholeCountryFill(const AreaFill& fill) {
    return fill.filter != 0 && fill.filter % 10000 == 0 && !IsSubdivided(fill.kind);
}

struct Match {
    std::size_t fill;
    const CourseNode* course;
};

// The courses each fill lists, in fill order and, within a fill, in list
// order, as one walk per fill would give them. Runs of whole-country fills
// over the same zone (the European "All" view has a thousand) share one walk.
std::vector<Match> MatchFills(const CatalogueData& data, const std::vector<AreaFill>& fills) {
    std::vector<Match> matches;
    for (std::size_t first = 0; first < fills.size();) {
        std::size_t last = first + 1;
        while (last < fills.size() && IsWholeCountryFill(fills[first]) &&
               IsWholeCountryFill(fills[last]) && fills[last].zone == fills[first].zone &&
               fills[last].kind == fills[first].kind)
            ++last;
        const auto& zone = data.CatalogueList[static_cast<std::size_t>(fills[first].zone)];
        if (last - first == 1) {
            for (const CourseNode& course : zone) {
                if (CodeMatches(course.id, fills[first].filter, fills[first].kind))
                    matches.push_back({first, &course});
            }
        } else {
            std::unordered_multimap<std::int32_t, std::size_t> fillsOfCountry;
            for (std::size_t f = first; f < last; ++f)
                fillsOfCountry.emplace(fills[f].filter / 10000, f);
            std::vector<Match> run;
            for (const CourseNode& course : zone) {
                const auto [begin, end] = fillsOfCountry.equal_range(course.id / 10000);
                for (auto it = begin; it != end; ++it) run.push_back({it->second, &course});
            }
            std::stable_sort(run.begin(), run.end(),
                             [](const Match& a, const Match& b) { return a.fill < b.fill; });
            matches.insert(matches.end(), run.begin(), run.end());
        }
        first = last;
    }
    return matches;
}

}  // namespace

void TabStrip::Fill(const std::vector<std::string_view>& newLabels) {
    labels.assign(newLabels.begin(), newLabels.end());
    selected = 0;
}

Browser::Browser(const CatalogueData& data, DeviceLink& device, Ui& ui)
    : data_(data), device_(device), ui_(ui) {
    RebuildTabs();
}

int Browser::SelectionCode() const {
    return orvane::SelectionCode(continentTab.selected, countryTab.selected);
}

bool Browser::ShownByName(bool namedInEnglish) const {
    return namedInEnglish && ui_.language() == Language::English;
}

BrowserRevisions Browser::revisions() const {
    BrowserRevisions revisions = revisions_;
    revisions.rows = list.revision();
    revisions.checks = list.checksRevision();
    return revisions;
}

void Browser::FillRegionTabFor(int selectionCode) {
    if (FindSubdividedCountry(selectionCode) != nullptr) {
        RefillSubdividedRegions(selectionCode);
    } else {
        regionTab.Fill(RegionTabLabels(selectionCode, ui_.language(), 0));
    }
}

void Browser::RefillSubdividedRegions(int selectionCode) {
    const int region = regionTab.selected;
    regionTab.Fill(RegionTabLabels(selectionCode, ui_.language(), region));
    if (region >= 0 && region < static_cast<int>(regionTab.labels.size())) {
        regionTab.selected = region;
        subAreaTab.Fill(SubAreaTabLabels(selectionCode, region, ui_.language()));
    }
}

void Browser::ListFills(const std::vector<AreaFill>& fills, int regionSelection) {
    std::map<int, NameIndex> deviceIndexes;
    for (const Match& match : MatchFills(data_, fills)) {
        const AreaFill& fill = fills[match.fill];
        const CourseNode& course = *match.course;
        const bool korean = fill.kind == MatchKind::Korea;
        const CourseNode* stored = nullptr;
        if (course.mark == Mark::Updated) {
            if (const auto zone = DeviceZone(fill.kind, regionSelection)) {
                const auto& device = data_.DeviceList[static_cast<std::size_t>(*zone)];
                const NameIndex& index = deviceIndexes.try_emplace(*zone, device).first->second;
                if (const auto* sameName = index.Find(course.name))
                    stored = &device[sameName->front()];
            }
        }
        // The device's copy shares the course's name, so it shows under the same name.
        list.Append(MakeCourseRow(course, ShownByName(korean), stored));
    }
}

void Browser::ListSearchResults() {
    // The first device course of each name, zone 0 first, as FindDeviceCourse
    // gives it, without a walk over every zone for each modified result.
    std::unordered_map<std::string_view, const CourseNode*> firstStored;
    for (const CourseNode* course : searchResults) {
        if (course->mark == Mark::Updated) firstStored.try_emplace(course->name, nullptr);
    }
    for (const auto& zone : data_.DeviceList) {
        if (firstStored.empty()) break;
        for (const CourseNode& course : zone) {
            const auto wanted = firstStored.find(course.name);
            if (wanted != firstStored.end() && wanted->second == nullptr) wanted->second = &course;
        }
    }
    for (const CourseNode* course : searchResults) {
        const bool korean = course->id / 10000 == 5010;
        const CourseNode* stored = nullptr;
        if (course->mark == Mark::Updated) stored = firstStored.at(course->name);
        list.Append(MakeCourseRow(*course, ShownByName(korean), stored));
    }
}

void Browser::ShowArea() {
    list.Clear();
    const int selection = SelectionCode();
    if (FindSubdividedCountry(selection) != nullptr) {
        RefillSubdividedRegions(selection);
        ListFills(AreaQuery(selection, regionTab.selected, subAreaTab.selected), regionTab.selected);
        subAreaTab.visible = true;
    } else {
        if (selection == kSearchResultsSelection) {
            ListSearchResults();
        } else {
            ListFills(AreaQuery(selection, regionTab.selected, 0), regionTab.selected);
        }
        subAreaTab.visible = false;
    }
    counts = CatalogueCounts(data_);
    ++revisions_.tabs;
    FinishListing();
}

void Browser::FinishListing() {
    list.Sort(kStoredColumn);
    UpdateMemoryLine();
    RefreshHeaders();
}

void Browser::SubAreaChanged() {
    list.Clear();
    ++revisions_.tabs;
    const int selection = SelectionCode();
    ListFills(AreaQuery(selection, regionTab.selected, subAreaTab.selected), regionTab.selected);
    FinishListing();
}

void Browser::CountryChanged() {
    FillRegionTabFor(SelectionCode());
    ShowArea();
}

void Browser::ContinentChanged() {
    countryTab.Fill(CountryTabLabels(continentTab.selected, ui_.language()));
    FillRegionTabFor(SelectionCode());
    ShowArea();
}

void Browser::SelectContinent(int index) {
    continentTab.selected = index;
    ContinentChanged();
}

void Browser::SelectCountry(int tab) {
    countryTab.selected = tab;
    CountryChanged();
}

void Browser::SelectRegion(int tab) {
    regionTab.selected = tab;
    ShowArea();
}

void Browser::SelectSubArea(int tab) {
    subAreaTab.selected = tab;
    SubAreaChanged();
}

void Browser::SelectTabs(const std::vector<int>& tabs) {
    if (tabs.size() > 0) SelectContinent(tabs[0]);
    if (tabs.size() > 1) SelectCountry(tabs[1]);
    if (tabs.size() > 2) SelectRegion(tabs[2]);
    if (tabs.size() > 3) SelectSubArea(tabs[3]);
}

void Browser::ColumnHeaderClicked(int column) { list.ColumnHeaderClicked(column); }

void Browser::SetChecked(std::size_t row, bool checked) { list.SetChecked(row, checked); }

void Browser::RefreshHeaders() {
    headerCounts = list.Counts();
    headings = HeaderTexts(headerCounts, ui_.language());
    ++revisions_.headings;
}

void Browser::UpdateMemoryLine() {
    const std::uint32_t freeBytes = device_.DeviceRoot.empty() ? 0 : FreeBytes(device_);
    remainingMapCount = RemainingMapCount(freeBytes, device_.ModelCode);
    memoryLine = MemoryLine(device_, remainingMapCount, ui_.language());
    ++revisions_.memoryLine;
}

bool Browser::SearchCourses(std::string_view text) {
    if (text.empty()) {
        ui_.Notify("입력이 없습니다.", "No input.");
        return false;
    }
    std::vector<const CourseNode*> found = searchIndex_.Find(data_, text);
    if (found.empty()) {
        ui_.Notify("찾을 수 없습니다.", "Cannot find.");
        return false;
    }
    searchResults = std::move(found);
    continentTab.selected = kResultsContinent;
    countryTab.Fill(CountryTabLabels(kResultsContinent, ui_.language()));
    regionTab.Fill(RegionTabLabels(kSearchResultsSelection, ui_.language(), 0));
    ShowArea();
    return true;
}

void Browser::SetUpForMarket() {
    if (device_.MarketCode == "Us") {
        continentTab.selected = kAmericaContinent;
        countryTab.Fill(CountryTabLabels(kAmericaContinent, ui_.language()));
        FillRegionTabFor(SelectionCode());
        ShowArea();
        countryTab.selected = kUsaTab;
        RefillSubdividedRegions(SelectionCode());
    } else if (ui_.language() == Language::Korean) {
        countryTab.selected = kKoreaTab;
        regionTab.Fill(RegionTabLabels(SelectionCode(), ui_.language(), 0));
    }
    ++revisions_.tabs;
}

void Browser::ForgetCourses() {
    list.Clear();
    searchResults.clear();
    searchIndex_.Clear();
    RefreshHeaders();
}

void Browser::RebuildBrowser() {
    RebuildTabs();
    ui_.ReloadStatus();
}

void Browser::RebuildTabs() {
    counts = CatalogueCounts(data_);
    UpdateMemoryLine();
    continentTab.Fill(ContinentLabels(ui_.language()));
    countryTab.Clear();
    regionTab.Clear();
    RefreshHeaders();
    if (device_.MarketCode == "Us") {
        SelectContinent(kAmericaContinent);
        countryTab.selected = kUsaTab;
        RefillSubdividedRegions(SelectionCode());
    } else if (ui_.language() == Language::Korean) {
        countryTab.selected = kKoreaTab;
        regionTab.Fill(RegionTabLabels(SelectionCode(), ui_.language(), 0));
    }
    ContinentChanged();
}

}  // namespace orvane
