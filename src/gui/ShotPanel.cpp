#include "gui/ShotPanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/ClubBadge.h"
#include "gui/Pictures.h"
#include "gui/Translated.h"
#include "gui/WindowStyle.h"
#include "records/Clubs.h"
#include "records/PlayedShots.h"
#include "util/Text.h"

namespace orvane::gui {
namespace {

// The distance in Arial of height 18.
QFont DistanceFont() {
    QFont font("Arial");
    font.setPixelSize(18 * 895 / 1000);
    return font;
}

}  // namespace

ShotPanel::ShotPanel(Language language, QWidget* parent) : QGroupBox(parent), language_(language) {
    auto* layout = new QVBoxLayout(this);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        row.box = new QGroupBox(Translated(language, kShotRowCaptions[i]), this);
        row.badge = new QLabel(row.box);
        row.badge->setFixedSize(PictureSize("club-01"));
        row.distance = new QLabel(row.box);
        row.distance->setFont(DistanceFont());
        row.distance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.distance->setMinimumWidth(QFontMetrics(DistanceFont()).horizontalAdvance("0000"));
        auto* line = new QHBoxLayout(row.box);
        line->addWidget(row.badge);
        line->addStretch();
        line->addWidget(row.distance);
        layout->addWidget(row.box);
    }
    layout->addStretch();
}

void ShotPanel::Show(const std::vector<Stroke>& strokes, DistanceUnit unit) {
    const TextPair unitName = unit == DistanceUnit::Metres ? kMetresName : kYardsName;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        const QString caption = Translated(language_, kShotRowCaptions[i]);
        if (i >= strokes.size()) {
            row.badge->clear();
            row.distance->clear();
            row.box->setAccessibleName(caption);
            continue;
        }
        const Stroke& stroke = strokes[i];
        const QPixmap badge = ClubBadge(stroke.club);
        if (badge.isNull()) {
            row.badge->setText(FromCore(ClubLabel(stroke.club)));
        } else {
            row.badge->setPixmap(badge);
        }
        const std::string distance = DistanceText(stroke.metres, unit);
        row.distance->setText(FromCore(distance));
        row.box->setAccessibleName(
            FromCore(Format(std::string(PickText(language_, kShotRowName)).c_str(),
                            caption.toStdString().c_str(), ClubName(stroke.club, language_).c_str(),
                            distance.c_str(), std::string(PickText(language_, unitName)).c_str())));
    }
}

}  // namespace orvane::gui
