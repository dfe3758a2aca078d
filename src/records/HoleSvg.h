#pragma once

#include <string>

#include "records/HoleDrawing.h"

namespace orvane {

// The hole view as an SVG picture of `canvas`'s size: the same shapes,
// colours and markers a window paints. Texts are shown as DisplayText gives
// them.
std::string HoleSvg(const HoleDrawing& drawing, const ViewRect& view, const ViewRect& canvas,
                    std::string_view mapMissingText);

}  // namespace orvane
