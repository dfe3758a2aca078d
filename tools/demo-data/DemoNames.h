#pragma once

#include <string>
#include <vector>

#include "DemoAreas.h"
#include "DemoRandom.h"

namespace orvane::demo {

// A club as its courses' names start: `stem` is the token without blanks
// ("SEOULCC"), `title` the long name ("서울 컨트리클럽").
struct ClubName {
    std::string stem;
    std::string title;
    Flavour flavour = Flavour::American;
};

// A plausible club of `area`, named after its places in the local style.
ClubName NameClub(DemoRandom& random, const DemoArea& area);

struct CourseName {
    std::string token;
    std::string title;
};

// The `count` courses of a club. Korean, Japanese and Chinese clubs number
// their courses even when they have one ("SEOULCC1"); the others only when
// they have several. Each course of several gets its own name in the title
// ("... 동코스", "... East Course").
std::vector<CourseName> NameCourses(DemoRandom& random, const ClubName& club, int count);

}  // namespace orvane::demo
