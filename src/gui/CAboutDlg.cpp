#include "gui/CAboutDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "app/MainMenus.h"
#include "gui/Pictures.h"
#include "gui/Translated.h"

namespace orvane::gui {

CAboutDlg::CAboutDlg(Language language, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Translated(language, text::AboutCaption));
    QPixmap icon(48, 48);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        DrawPicture(painter, "app-icon", QRectF(0, 0, 48, 48));
    }
    auto* picture = new QLabel(this);
    picture->setPixmap(icon);
    auto* product = new QLabel(FromCore(kAboutProductLine), this);
    auto* date = new QLabel(FromCore(kAboutDateLine), this);
    auto* ok = new QPushButton(Translated(language, kAboutOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(product, 0, 1);
    layout->addWidget(date, 1, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setHorizontalSpacing(16);
    setFixedSize(sizeHint());
}

}  // namespace orvane::gui
