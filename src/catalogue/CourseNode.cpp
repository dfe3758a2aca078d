#include "catalogue/CourseNode.h"

#include <algorithm>

namespace orvane {

std::string ShortKeyFor(std::string_view name) {
    std::string key(name.substr(0, std::min(name.size(), kShortKeyLength)));
    key.resize(kShortKeyLength, '_');
    return key;
}

const std::string& FirstGenerationKey(const CourseNode& course) {
    return course.fileKey.starts_with('_') ? course.fileKey : course.shortKey;
}

void ComputeBounds(CourseNode& course) {
    course.maxLat = course.minLat = course.lat;
    course.maxLon = course.minLon = course.lon;
    for (const PointOffset& point : course.points) {
        const double lat = course.lat + point.dLat / 1000000.0;
        const double lon = course.lon + point.dLon / 1000000.0;
        course.maxLat = std::max(course.maxLat, lat);
        course.minLat = std::min(course.minLat, lat);
        course.maxLon = std::max(course.maxLon, lon);
        course.minLon = std::min(course.minLon, lon);
    }
}

}  // namespace orvane
