#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "DemoClubHoles.h"
#include "catalogue/CourseNode.h"

namespace orvane::demo {

// Lays out the holes of each club that gets rounds, once, and writes the
// club's files to the update server then: the course names (CC) and hole
// geometry (DD) where the score card fetches them. Only clubs asked for get
// files; a world-sized catalogue would otherwise take minutes.
class ClubHolesOnServer {
public:
    ClubHolesOnServer(std::filesystem::path server, std::uint32_t seed)
        : server_(std::move(server)), seed_(seed) {}

    const ClubHoles& HolesOf(const CourseNode& club);

private:
    std::filesystem::path server_;
    std::uint32_t seed_;
    std::map<std::string, ClubHoles> clubs_;
};

}  // namespace orvane::demo
