#include "records/HoleSvg.h"

#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane {
namespace {

std::string Colour(Rgb rgb) { return Format("#%02x%02x%02x", rgb.red, rgb.green, rgb.blue); }

std::string Circle(Pixel at, int radius, Rgb fill, bool outlined) {
    return Format("  <circle cx=\"%d\" cy=\"%d\" r=\"%d\" fill=\"%s\"%s/>\n", at.x, at.y, radius,
                  Colour(fill).c_str(), outlined ? " stroke=\"black\"" : "");
}

}  // namespace

std::string HoleSvg(const HoleDrawing& drawing, const ViewRect& view, const ViewRect& canvas,
                    std::string_view mapMissingText) {
    std::string svg = Format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
        "font-family=\"sans-serif\">\n"
        "  <rect width=\"%d\" height=\"%d\" fill=\"#ececec\"/>\n"
        "  <text x=\"%d\" y=\"%d\" font-size=\"12\">%s</text>\n"
        "  <rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"white\"/>\n",
        canvas.right - canvas.left, canvas.bottom - canvas.top, canvas.right - canvas.left,
        canvas.bottom - canvas.top, view.left, view.top - 4,
        XmlEscaped(DisplayText(drawing.caption)).c_str(), view.left, view.top, view.right - view.left,
        view.bottom - view.top);
    if (drawing.mapMissing) {
        return svg + Format("  <text x=\"%d\" y=\"%d\" font-size=\"12\">%s</text>\n</svg>\n",
                            view.left + 10, view.top + 28, XmlEscaped(DisplayText(mapMissingText)).c_str());
    }
    for (const DrawnArea& area : drawing.areas) {
        svg += "  <polygon fill=\"" + Colour(AreaColour(area.kind)) + "\" points=\"";
        for (const Pixel& point : area.points) svg += Format("%d,%d ", point.x, point.y);
        svg += "\"/>\n";
    }
    for (const Pixel& tee : drawing.tees) svg += Circle(tee, kTeeRadius, kTeeColour, false);
    for (std::size_t k = 1; k < drawing.shots.size(); ++k) {
        const Pixel from = drawing.shots[k - 1].at, to = drawing.shots[k].at;
        svg += Format("  <line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" stroke=\"%s\"/>\n", from.x,
                      from.y, to.x, to.y, Colour(kShotColour).c_str());
    }
    for (std::size_t k = 0; k < drawing.shots.size(); ++k) {
        const DrawnShot& shot = drawing.shots[k];
        if (k + 1 == drawing.shots.size()) {
            svg += Circle(shot.at, kHoleOutRadius, kShotColour, true);
            continue;
        }
        svg += Circle(shot.at, kShotRadius, kShotColour, true);
        svg +=
            Format("  <text x=\"%d\" y=\"%d\" font-size=\"11\" text-anchor=\"middle\">%c</text>\n",
                   shot.at.x, shot.at.y + 4, shot.number);
    }
    return svg + "</svg>\n";
}

}  // namespace orvane
