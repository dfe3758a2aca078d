#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "DemoRandom.h"
#include "catalogue/CatalogueData.h"

namespace orvane::demo {

// One round as the device writes it: its file name in UserData and its text.
struct DemoRound {
    std::string fileName;
    std::string text;
};

// Rounds played on courses the device holds (and one on a course of the
// owner's own): 9- and 18-hole rounds with scores, putts, clubs and shot
// positions near each course's reference point, some in the second record
// version. Dates differ by club and hour, so no two rounds share a file.
std::vector<DemoRound> GenerateRounds(DemoRandom& random,
                                      const PerZone<std::vector<CourseNode>>& stored);

// Writes the rounds and the index UserData/DataList.dat that names them.
void WriteDeviceRounds(const std::filesystem::path& root, const std::vector<DemoRound>& rounds);

}  // namespace orvane::demo
