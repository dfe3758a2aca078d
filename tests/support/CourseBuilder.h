#pragma once

#include <cstdint>
#include <string>

#include "catalogue/CourseNode.h"

namespace orvane::testing {

// A catalogue course as the browser and the transfer see it, near Seoul.
inline CourseNode MakeCourse(int zone, std::int32_t id, std::string name, std::string title,
                             double version, Mark mark = Mark::Stored) {
    return {.zone = zone,
            .id = id,
            .title = std::move(title),
            .name = std::move(name),
            .mark = mark,
            .version = version,
            .lat = 37.5,
            .lon = 127.0};
}

}  // namespace orvane::testing
