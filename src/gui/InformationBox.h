#pragma once

#include <QWidget>

namespace orvane::gui {

// The box shown over the left pane while the pointer rests on the area
// button: what that button would download, with the area's added and
// modified counts.
class InformationBox : public QWidget {
    Q_OBJECT
public:
    explicit InformationBox(QWidget* parent);

    void SetText(const QString& text);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

}  // namespace orvane::gui
