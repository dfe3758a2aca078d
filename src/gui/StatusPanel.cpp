#include "gui/StatusPanel.h"

#include <QPainter>

#include "gui/Pictures.h"
#include "gui/Translated.h"
#include "shell/FrontEndTexts.h"
#include "gui/WindowStyle.h"

namespace orvane::gui {

// The panel stands at (0, 498) of the window: the bar picture is 676 × 25,
// the status line and the progress bar are 360 dialog units wide at x 13.
StatusPanel::StatusPanel(QWidget* parent)
    : QWidget(parent), status_(new QLabel(this)), progress_(new QProgressBar(this)) {
    setFixedSize(676, 52);
    const QRect line = FromDialogUnits(13, 338, 360, 8);
    const QRect bar = FromDialogUnits(13, 351, 360, 8);
    status_->setGeometry(line.x(), 2, line.width(), 21);
    status_->setStyleSheet("color: white; background: transparent;");
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    status_->setTextFormat(Qt::PlainText);
    progress_->setGeometry(bar.x(), bar.y() - 498, bar.width(), bar.height());
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setStyleSheet(QString("QProgressBar { background: rgb(24,24,24); border: 1px solid "
                                     "rgb(90,90,90); } QProgressBar::chunk { background: %1; }")
                                 .arg(kProgressColour.name()));
}

void StatusPanel::ShowStatus(const QString& text) { status_->setText(text); }

void StatusPanel::ApplyLanguage(Language language) {
    progress_->setAccessibleName(Translated(language, text::ProgressName));
}

void StatusPanel::SetProgress(int position) { progress_->setValue(position); }

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, "status-bar", QRectF(0, 0, 676, 25));
}

}  // namespace orvane::gui
