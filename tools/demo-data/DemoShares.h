#pragma once

#include <vector>

#include "DemoAreas.h"

namespace orvane::demo {

// How many of `total` courses each area gets: in proportion to the areas'
// weights, rounded so that the counts add up to `total` exactly. Given enough
// courses, no zone is left empty; with very few, Korea's is filled first,
// since a catalogue without Korea's club list counts as not loaded.
std::vector<int> ShareCourses(const std::vector<DemoArea>& areas, int total);

}  // namespace orvane::demo
