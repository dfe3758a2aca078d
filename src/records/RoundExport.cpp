#include "records/RoundExport.h"

#include <cmath>

#include "records/HoleDrawing.h"
#include "records/RecordLists.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane {
namespace {

std::string Coordinates(GeoPoint at) {
    return Format("lat=\"%.7f\" lon=\"%.7f\"", at.latitude, at.longitude);
}

template <typename EachHole>
void ForEachPlayedHole(const RoundRecord& record, const CourseGeometry& geometry, EachHole each) {
    for (std::int32_t hole = 1; hole <= record.CardHoleCount(); ++hole) {
        const std::vector<PlayedShot> shots = CardHoleShots(geometry, record, hole);
        if (!shots.empty()) each(hole, shots);
    }
}

}  // namespace

std::string RoundCsv(const RoundRecord& record, const CourseGeometry& geometry, DistanceUnit unit) {
    std::string csv = "hole,shot,club,east,north,distance\r\n";
    ForEachPlayedHole(
        record, geometry, [&](std::int32_t hole, const std::vector<PlayedShot>& shots) {
            for (std::size_t k = 0; k < shots.size(); ++k) {
                const PlayedShot& shot = shots[k];
                const std::string club = shot.stroke ? std::to_string(shot.stroke->club) : "";
                const std::string distance =
                    shot.stroke ? DistanceText(shot.stroke->metres, unit) : "";
                csv += Format("%d,%zu,%s,%.7f,%.7f,%s\r\n", hole, k + 1, club.c_str(),
                              shot.at.longitude, shot.at.latitude, distance.c_str());
            }
        });
    return csv;
}

std::string RoundTitle(const RecordEntry& entry, Language language) {
    return ShownClubName(entry, language) + " " + entry.date;
}

std::string RoundGpx(const RoundRecord& record, const CourseGeometry& geometry,
                     const std::string& title) {
    std::string waypoints;
    std::string tracks;
    ForEachPlayedHole(
        record, geometry, [&](std::int32_t hole, const std::vector<PlayedShot>& shots) {
            tracks += Format("  <trk>\n    <name>Hole %d</name>\n    <trkseg>\n", hole);
            for (std::size_t k = 0; k < shots.size(); ++k) {
                const PlayedShot& shot = shots[k];
                // A position the record spelled "nan" has no place on a map.
                if (!std::isfinite(shot.at.latitude) || !std::isfinite(shot.at.longitude)) continue;
                const std::string where = Coordinates(shot.at);
                const std::string description =
                    shot.stroke
                        ? Format("club %d, %s m", shot.stroke->club,
                                 DistanceText(shot.stroke->metres, DistanceUnit::Metres).c_str())
                        : std::string("holed");
                waypoints +=
                    Format("  <wpt %s>\n    <name>H%d S%zu</name>\n    <desc>%s</desc>\n  </wpt>\n",
                           where.c_str(), hole, k + 1, description.c_str());
                tracks += Format("      <trkpt %s/>\n", where.c_str());
            }
            tracks += "    </trkseg>\n  </trk>\n";
        });
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"Orvane Manager\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
           "  <metadata>\n    <name>" +
           XmlEscaped(DisplayText(title)) + "</name>\n  </metadata>\n" + waypoints + tracks + "</gpx>\n";
}

}  // namespace orvane
