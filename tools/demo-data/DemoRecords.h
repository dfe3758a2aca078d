#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DemoClubHoles.h"
#include "DemoRandom.h"
#include "catalogue/CatalogueData.h"

namespace orvane::demo {

// One round as the device writes it: its file name in UserData and its text.
struct DemoRound {
    std::string fileName;
    std::string text;
};

// The holes of a club the device holds, laid out once for the server and
// every round played there.
using HolesOfClub = std::function<const ClubHoles&(const CourseNode&)>;

// Rounds played on courses the device holds (and one on a course of the
// owner's own, whose holes no server has): 9- and 18-hole rounds over the
// club's holes with their pars, realistic scores, putts and clubs. The first
// shot leaves a tee, full shots come to rest on the fairway and the last of
// them on a green; the hole-out lies by the green's centre, and the second
// record version names that green. Dates differ by club and hour, so no two
// rounds share a file.
std::vector<DemoRound> GenerateRounds(DemoRandom& random,
                                      const PerZone<std::vector<CourseNode>>& stored,
                                      const HolesOfClub& holesOf);

// Writes the rounds and the index UserData/DataList.dat that names them.
void WriteDeviceRounds(const std::filesystem::path& root, const std::vector<DemoRound>& rounds);

}  // namespace orvane::demo
