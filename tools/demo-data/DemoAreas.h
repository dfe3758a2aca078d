#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "DemoRandom.h"

namespace orvane::demo {

// Land a course may lie on, in degrees. Kept inland where a coast is ragged,
// so that a course never ends up in the sea.
struct GeoBox {
    double south = 0;
    double north = 0;
    double west = 0;
    double east = 0;

    bool empty() const { return north <= south || east <= west; }
};

// How the clubs of a country name themselves.
enum class Flavour {
    Korean,
    Japanese,
    Chinese,
    Asian,
    American,
    English,  // Canada, the British Isles, Oceania
    French,
    German,
    Dutch,
    Nordic,
    Iberian,
    Italian,
    Latin,
};

// A word of a club's name: `ascii` goes into the course's name token, `local`
// (when not empty) replaces it in the title.
struct NameWord {
    std::string_view ascii;
    std::string_view local = {};
};

// The smallest piece of the area tables a course can be placed in: one
// sub-area of a subdivided country, one region of any other.
struct DemoArea {
    int zone = 0;
    // The area code the catalogue carries for courses here.
    std::int32_t id = 0;
    // The older form of the same code that part of the catalogue still uses
    // (Korea, Japan, China); 0 when the country has only one form.
    std::int32_t legacyId = 0;
    GeoBox box;
    Flavour flavour = Flavour::American;
    std::string_view regionName;
    // The sub-area's own name where the tables give one (Japan's prefectures).
    std::string_view subAreaName;
    // Town names for titles.
    std::span<const NameWord> places;
    // Share of the world's courses.
    double weight = 0;
};

// Every area of the world, in the order of the area tables. Sub-areas get a
// seeded share of their region, so regions are not carved up evenly.
std::vector<DemoArea> WorldAreas(DemoRandom& random);

}  // namespace orvane::demo
