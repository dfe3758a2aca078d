#include "gui/HoleViewPane.h"

#include <QPainter>

#include "gui/HolePainter.h"
#include "gui/Translated.h"
#include "records/RecordDialogTexts.h"
#include "shell/StringTable.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane::gui {

HoleViewPane::HoleViewPane(Language language, QWidget* parent)
    : QGroupBox(parent), language_(language) {
    setFixedSize(kHoleCanvas.right - kHoleCanvas.left, kHoleCanvas.bottom - kHoleCanvas.top);
}

void HoleViewPane::Show(HoleDrawing drawing, std::int32_t hole) {
    drawing_ = std::move(drawing);
    setTitle(FromCore(DisplayText(drawing_.caption)));
    setAccessibleName(FromCore(
        Format(std::string(PickText(language_, kHoleViewName)).c_str(), static_cast<int>(hole))));
    setAccessibleDescription(
        drawing_.mapMissing ? FromCore(MessageText(message::CourseMapDownloadFailed, language_))
                            : QString());
    update();
}

void HoleViewPane::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    PaintHoleView(painter, drawing_, kHoleViewRect,
                  FromCore(MessageText(message::CourseMapDownloadFailed, language_)));
}

}  // namespace orvane::gui
