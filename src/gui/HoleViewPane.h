#pragma once

#include <QGroupBox>

#include "records/HoleDrawing.h"
#include "shell/Language.h"

namespace orvane::gui {

// The score card's hole view: a group box captioned "Hole %d" whose inside
// shows the core's drawing of the hole, at the size every hole picture has.
class HoleViewPane : public QGroupBox {
    Q_OBJECT
public:
    HoleViewPane(Language language, QWidget* parent);

    void Show(HoleDrawing drawing, std::int32_t hole);
    const HoleDrawing& drawing() const { return drawing_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Language language_;
    HoleDrawing drawing_;
};

}  // namespace orvane::gui
