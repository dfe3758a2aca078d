#pragma once

#include <QString>
#include <string>

#include "gui/CViewScore.h"
#include "gui/CoreWorker.h"

namespace orvane::gui {

// What the score card exports: the round's shots as GPX or CSV, the hole
// shown as an SVG or PNG picture.
enum class ExportFormat { Gpx, Csv, Svg, Png };

// The file's bytes, from the core's exporters and the hole's drawing.
std::string ExportBytes(ExportFormat format, const CViewScore& card);

// The score card's Export: a file dialog with a filter per format, opening
// in the folder of the last export (at first the record folder), then the
// file written on the worker, which tells the person when it cannot be.
class CardExport {
public:
    explicit CardExport(CoreWorker& worker) : worker_(worker) {}

    void Export(CViewScore& card);
    // Where the first export is offered, unless one has been made.
    void OfferFolder(const QString& folder);

private:
    CoreWorker& worker_;
    QString folder_;
    bool exported_ = false;
};

}  // namespace orvane::gui
