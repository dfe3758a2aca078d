#include "gui/DevicePanel.h"

#include <QPainter>

#include "gui/Pictures.h"

namespace orvane::gui {
namespace {

QString PictureName(DevicePicture picture) {
    switch (picture) {
        case DevicePicture::FirstGeneration: return "device-model4";
        case DevicePicture::Model2: return "device-model2";
        case DevicePicture::Model5: return "device-model5";
        case DevicePicture::Model6: return "device-model6";
        case DevicePicture::Current: return "device-model3";
    }
    return "device-model3";
}

}  // namespace

DevicePanel::DevicePanel(QWidget* parent) : QWidget(parent) { setFixedSize(180, 242); }

void DevicePanel::SetPicture(DevicePicture picture) {
    if (picture_ == picture) return;
    picture_ = picture;
    update();
}

void DevicePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, PictureName(picture_), QRectF(0, 0, 180, 220));
    DrawPicture(painter, "device-plate", QRectF(0, 220, 180, 22));
}

}  // namespace orvane::gui
