#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "DemoAreas.h"

namespace orvane::demo {

// How a country writes its area codes (CCCC country, RR region, SS sub-area).
enum class CodeForm {
    // CCCC0000 + region, the region also in code % 1000 (Korea, China and the
    // countries with a plain region table).
    RegionLast,
    // CCCCRRSS: a region row and its sub-area (Japan, USA, Canada, UK, Australia).
    Subdivided,
    // CCCCRR01: the catch-all groups, whose "regions" are countries.
    CatchAll,
};

struct RegionRow {
    std::string_view name;
    // Relative to the other regions of the country.
    double weight = 1;
    // -1: the country's zone.
    int zone = -1;
    // 1: the region has no sub-areas.
    int subAreas = 1;
    // Empty: a strip of the country's box.
    GeoBox box{};
    // Empty: the country's places.
    std::span<const NameWord> places{};
    // Japan only: the prefecture of each sub-area.
    std::span<const std::string_view> subAreaNames{};
};

struct CountryRow {
    std::string_view name;
    std::int32_t code = 0;
    // The older country code (Korea 0, China 11, Japan 12); -1 when none.
    std::int32_t legacyCode = -1;
    CodeForm form = CodeForm::RegionLast;
    int zone = 4;
    Flavour flavour = Flavour::American;
    // Courses of the country in a catalogue of about 45,000.
    double courses = 0;
    GeoBox box{};
    // Empty: the country has only its "All Areas" region.
    std::span<const RegionRow> regions{};
    std::span<const NameWord> places{};
};

std::span<const CountryRow> CountryRows();

}  // namespace orvane::demo
