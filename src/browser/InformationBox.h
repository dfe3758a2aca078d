#pragma once

#include <string>

#include "browser/Browser.h"

namespace orvane {

// The area the tabs choose, in words, for the box shown over the area
// button: continent, country, region and sub-area as far as they narrow it.
std::string AreaText(const Browser& browser, Language language);

// The whole box: what the area button downloads, with the added and
// modified counts of the list's last header refresh.
std::string InformationText(const Browser& browser, Language language);

}  // namespace orvane
