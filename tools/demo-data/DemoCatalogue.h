#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "catalogue/CourseNode.h"

namespace orvane::demo {

// Enough for a demo that is generated in a moment; with their maps (50 to
// 400 KB each) the server tree takes about 200 MB.
inline constexpr int kDefaultCourseCount = 800;
// About the size of the real world's catalogue.
inline constexpr int kWorldCourseCount = 45000;

// The update server's courses, zone by zone in file order. Each course is as
// the server's club list gives it, with `shortKey` derived, and `fileKey` set
// when its name is too long for a first-generation device.
struct DemoCatalogue {
    PerZone<std::vector<CourseNode>> zones;

    std::size_t CourseCount() const;
};

// A seeded catalogue of `courseCount` courses spread over the world as golf
// is: a third in the USA, Korea and Japan next. Names are unique over the
// whole catalogue; area codes follow the area tables, so every course sits in
// the zone its code belongs to.
DemoCatalogue GenerateCatalogue(std::uint32_t seed, int courseCount);

}  // namespace orvane::demo
