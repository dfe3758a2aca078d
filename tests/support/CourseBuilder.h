#pragma once

#include <cstdint>
#include <string>

#include "catalogue/CourseNode.h"

namespace orvane::testing {

// A catalogue course as the browser and the transfer see it, near Seoul.
inline CourseNode MakeCourse(int zone, std::int32_t id, std::string name, std::string title,
                             double version, Mark mark = Mark::Stored) {
    CourseNode course;
    course.zone = zone;
    course.id = id;
    course.name = std::move(name);
    course.title = std::move(title);
    course.version = version;
    course.mark = mark;
    course.lat = 37.5;
    course.lon = 127.0;
    return course;
}

}  // namespace orvane::testing
