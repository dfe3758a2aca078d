#include "catalogue/CatalogueCounts.h"

namespace orvane {
namespace {

void Count(GroupCounts& group, const std::vector<CourseNode>& courses, bool zone4) {
    for (const CourseNode& course : courses) {
        if (zone4 && IsLeftOutOfZone4(course.id)) continue;
        ++group.total;
        if (course.mark == Mark::New) ++group.added;
        if (course.mark == Mark::Updated) ++group.modified;
    }
}

}  // namespace

CatalogueCountsResult CatalogueCounts(const CatalogueData& data) {
    CatalogueCountsResult counts;
    Count(counts.korea, data.CatalogueList[0], false);
    for (std::size_t zone : {1u, 2u, 3u, 4u, 20u, 21u})
        Count(counts.overseas, data.CatalogueList[zone], zone == 4);
    for (std::size_t zone = 5; zone <= 19; ++zone) Count(counts.usa, data.CatalogueList[zone], false);
    return counts;
}

}  // namespace orvane
