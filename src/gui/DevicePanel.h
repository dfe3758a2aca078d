#pragma once

#include <QWidget>

#include "app/MainWindowRules.h"

namespace orvane::gui {

// The picture of the connected device's model family on its plate.
class DevicePanel : public QWidget {
    Q_OBJECT
public:
    explicit DevicePanel(QWidget* parent);

    void SetPicture(DevicePicture picture);
    DevicePicture picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DevicePicture picture_ = DevicePicture::Current;
};

}  // namespace orvane::gui
