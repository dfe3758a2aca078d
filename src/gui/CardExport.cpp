#include "gui/CardExport.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <array>
#include <system_error>

#include "gui/HolePainter.h"
#include "gui/Translated.h"
#include "records/HoleSvg.h"
#include "records/RecordDialogTexts.h"
#include "records/RoundExport.h"
#include "shell/StringTable.h"
#include "util/SafeFile.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane::gui {
namespace {

struct FormatFile {
    ExportFormat format;
    TextPair filter;
    const char* suffix;
};

constexpr std::array<FormatFile, 4> kFormats{{
    {ExportFormat::Gpx, kGpxFilter, "gpx"},
    {ExportFormat::Csv, kCsvFilter, "csv"},
    {ExportFormat::Svg, kSvgFilter, "svg"},
    {ExportFormat::Png, kPngFilter, "png"},
}};

bool IsHolePicture(ExportFormat format) {
    return format == ExportFormat::Svg || format == ExportFormat::Png;
}

HoleDrawing ShownHole(const CViewScore& card) {
    CourseGeometry geometry = card.geometry();
    return DrawHole(geometry, card.record(), card.state().shownHole(), kHoleViewRect);
}

// "20240501_08_Pinecrest.gpx", "20240501_08_Pinecrest_hole07.png".
QString SuggestedName(const CViewScore& card, const FormatFile& file) {
    std::string name = SavedRecordFileName(card.entry());
    name.resize(name.size() - std::string_view(".dat").size());
    if (IsHolePicture(file.format)) name += Format("_hole%02d", card.state().shownHole());
    return FromCore(DisplayText(name)) + "." + file.suffix;
}

}  // namespace

std::string ExportBytes(ExportFormat format, const CViewScore& card) {
    const std::string mapMissing(MessageText(message::CourseMapDownloadFailed, card.language()));
    switch (format) {
        case ExportFormat::Gpx:
            return RoundGpx(card.record(), card.geometry(),
                            RoundTitle(card.entry(), card.language()));
        case ExportFormat::Csv:
            return RoundCsv(card.record(), card.geometry(), card.state().unit());
        case ExportFormat::Svg:
            return HoleSvg(ShownHole(card), kHoleViewRect, kHoleCanvas, mapMissing);
        case ExportFormat::Png: {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            HolePicture(ShownHole(card), FromCore(mapMissing)).save(&buffer, "PNG");
            return png.toStdString();
        }
    }
    return {};
}

void CardExport::OfferFolder(const QString& folder) {
    if (!exported_) folder_ = folder;
}

void CardExport::Export(CViewScore& card) {
    const Language language = card.language();
    QStringList filters;
    for (const FormatFile& file : kFormats) filters << Translated(language, file.filter);
    QFileDialog dialog(&card, Translated(language, kExportTitle),
                       folder_.isEmpty() ? QDir::homePath() : folder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectFile(SuggestedName(card, kFormats.front()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const auto chosen = static_cast<std::size_t>(filters.indexOf(filter));
        if (chosen < kFormats.size()) dialog.selectFile(SuggestedName(card, kFormats[chosen]));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;

    const auto chosen = static_cast<std::size_t>(filters.indexOf(dialog.selectedNameFilter()));
    const FormatFile& file = kFormats[chosen < kFormats.size() ? chosen : 0];
    QString path = dialog.selectedFiles().front();
    if (QFileInfo(path).suffix().compare(file.suffix, Qt::CaseInsensitive) != 0)
        path += QString(".") + file.suffix;
    folder_ = QFileInfo(path).absolutePath();
    exported_ = true;

    worker_.Run([bytes = ExportBytes(file.format, card), target = path.toStdString()](Session& s) {
        int error = 0;
        if (WriteFileAtomically(target, bytes, &error)) return;
        const std::string reason = target + ": " + std::generic_category().message(error);
        s.ui.Notify(Format(std::string(kExportFailed.korean).c_str(), reason.c_str()),
                    Format(std::string(kExportFailed.english).c_str(), reason.c_str()));
    });
}

}  // namespace orvane::gui
