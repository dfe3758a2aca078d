#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/CourseGeometry.h"
#include "records/HoleView.h"
#include "records/PlayedShots.h"
#include "records/RoundRecord.h"

namespace orvane {

// Where the card's hole lies in the club's geometry.
struct CourseHole {
    std::int32_t courseIndex = 0;
    std::int32_t holeNumber = 0;
};

// Holes 1..9 are on the front course, 10..18 on the back one; a course of
// nine holes numbers its holes from 1 again.
CourseHole CourseHoleOf(const CourseGeometry& geometry, const RoundRecord& record,
                        std::int32_t shownHole);

// The geometry of the card's hole `shownHole`; nullptr when nothing is
// loaded or the club's files do not hold that hole.
const HoleGeometry* HoleOfCard(const CourseGeometry& geometry, const RoundRecord& record,
                               std::int32_t shownHole);

// The shots of the card's hole `shownHole`, placed on that hole's geometry.
std::vector<PlayedShot> CardHoleShots(const CourseGeometry& geometry, const RoundRecord& record,
                                      std::int32_t shownHole);

// Makes hole `holeNumber` of course `courseIndex` the current hole of
// `geometry` and lays out the view for it. Without such a hole (or without
// its tee and green) the view is laid out over `shots` instead, so that a
// hole the files do not hold still shows where the ball went.
struct HoleSetup {
    const HoleGeometry* hole = nullptr;
    HoleView view;
};
HoleSetup setupHoleView(CourseGeometry& geometry, CourseHole courseHole, const ViewRect& rect,
                        const std::vector<PlayedShot>& shots);

enum class AreaKind { Outline, Fairway, Bunker, Water, Green };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The hole view's palette and marker sizes, shared by every painter.
Rgb AreaColour(AreaKind kind);
inline constexpr Rgb kTeeColour{0, 80, 0};
inline constexpr Rgb kShotColour{255, 255, 0};
inline constexpr int kTeeRadius = 4;
inline constexpr int kShotRadius = 8;
inline constexpr int kHoleOutRadius = 4;

struct DrawnArea {
    AreaKind kind = AreaKind::Outline;
    // Clamped into the view, at most kMaxDrawnPoints.
    std::vector<Pixel> points;
};
inline constexpr std::size_t kMaxDrawnPoints = 124;

struct DrawnShot {
    Pixel at;
    // The shot's number as one character: shots 10 and above show their
    // first digit.
    char number = '1';
};

// The score card's hole view and the picture around it, in pixels: every
// painter of a hole (window, SVG, PNG) draws at this size.
inline constexpr ViewRect kHoleCanvas{0, 0, 340, 440};
inline constexpr ViewRect kHoleViewRect{10, 18, 330, 430};

// The shot panel lists the strokes of the first shots.
inline constexpr std::size_t kShotRows = 5;

// Everything the hole view and the shot panel paint, in painting order.
struct HoleDrawing {
    std::string caption;
    // No geometry: the view shows message::CourseMapDownloadFailed and
    // nothing else.
    bool mapMissing = false;
    std::vector<DrawnArea> areas;
    std::vector<Pixel> tees;
    // Joined by lines in order; the last one is the hole-out point.
    std::vector<DrawnShot> shots;
    std::vector<Stroke> rows;
};

HoleDrawing DrawHole(CourseGeometry& geometry, const RoundRecord& record, std::int32_t shownHole,
                     const ViewRect& rect);

}  // namespace orvane
