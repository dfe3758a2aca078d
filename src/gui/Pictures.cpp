#include "gui/Pictures.h"

#include <QHash>
#include <QSvgRenderer>
#include <memory>

// The pictures are built into the window's library; a static library's
// resources must be registered by hand.
static void RegisterPictures() { Q_INIT_RESOURCE(orvane); }

namespace orvane::gui {
namespace {

// Parsed once per picture; the window paints them often.
QSvgRenderer& Renderer(const QString& name) {
    static const bool registered = (RegisterPictures(), true);
    (void)registered;
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto found = renderers.find(name);
    if (found == renderers.end())
        found = renderers.insert(name, std::make_shared<QSvgRenderer>(":/pictures/" + name + ".svg"));
    return **found;
}

}  // namespace

void DrawPicture(QPainter& painter, const QString& name, const QRectF& target) {
    Renderer(name).render(&painter, target);
}

QSize PictureSize(const QString& name) { return Renderer(name).defaultSize(); }

}  // namespace orvane::gui
