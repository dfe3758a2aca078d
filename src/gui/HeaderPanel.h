#pragma once

#include <QLabel>
#include <QWidget>

namespace orvane::gui {

// The header at the window's top left: its picture with the remaining map
// capacity and the device's versions written over it in white. The lines are
// labels, so assistive technology reads them as the eye does.
class HeaderPanel : public QWidget {
    Q_OBJECT
public:
    explicit HeaderPanel(QWidget* parent);

    void SetLines(const QString& memoryLine, const QString& deviceVersionLine);
    QString memoryLine() const { return memory_->text(); }
    QString deviceVersionLine() const { return version_->text(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* memory_;
    QLabel* version_;
};

}  // namespace orvane::gui
