#include "gui/SearchPanel.h"

#include <QPainter>

#include "gui/Pictures.h"
#include "gui/Translated.h"
#include "shell/FrontEndTexts.h"

namespace orvane::gui {
namespace {

// The find button is a picture only.
class PictureButton : public QPushButton {
public:
    PictureButton(QString picture, QWidget* parent) : QPushButton(parent), picture_(std::move(picture)) {
        setFixedSize(PictureSize(picture_));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawPicture(painter, picture_, rect());
        if (isDown()) painter.fillRect(rect(), QColor(0, 0, 0, 60));
    }

private:
    QString picture_;
};

}  // namespace

// The panel stands at (9, 342) of the window: the frame is 179 × 40 with its
// text field inside, the find button at its right end.
SearchPanel::SearchPanel(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), find_(new PictureButton("find-button", this)) {
    setFixedSize(180, 40);
    edit_->setGeometry(7, 9, 123, 23);
    edit_->setFrame(false);
    find_->move(145, 0);
    connect(find_, &QPushButton::clicked, this, &SearchPanel::searchRequested);
}

void SearchPanel::ApplyLanguage(Language language) {
    edit_->setAccessibleName(Translated(language, text::SearchBoxName));
    find_->setAccessibleName(Translated(language, text::FindButtonName));
}

void SearchPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, "search-frame", QRectF(0, 0, 179, 40));
}

}  // namespace orvane::gui
