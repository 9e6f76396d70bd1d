#include "figures/FigurePixmap.h"

#include "figures/Figure.h"
#include "figures/FigureCatalogue.h"
#include "figures/FigurePainter.h"

#include <QCache>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace fc {

namespace {

// The renderings kept for figures that come into view again, costed in KiB: at most
// twice what every screen shows at once, and never less than Qt keeps by default
// (10 MiB), so that a page shown again, or a figure its overlay had covered, is not
// painted anew.
QCache<RenderingKey, QPixmap> &keptRenderings()
{
    static QCache<RenderingKey, QPixmap> cache;
    qint64 screensKiB = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QSizeF pixels = QSizeF(screen->size()) * screen->devicePixelRatio();
        screensKiB += qint64(pixels.width() * pixels.height()) * 4 / 1024;
    }
    cache.setMaxCost(int(std::max<qint64>(2 * screensKiB, 10 * 1024)));
    return cache;
}

}  // namespace

RenderingKey::RenderingKey(const Figure &figure, const FigureView &view)
    : figure(&figure),
      size(view.size),
      scale(view.scale),
      ratio(view.ratio),
      background(view.background.rgba()),
      offset(view.offset),
      underlay(view.underlayKey)
{
}

size_t qHash(const RenderingKey &key, size_t seed)
{
    return qHashMulti(seed, key.figure, key.size.width(), key.size.height(), key.scale,
                      key.ratio, key.background, key.offset.x(), key.offset.y(), key.underlay);
}

QPixmap figurePixmap(const Figure &figure, const FigureView &view)
{
    // Kept by address only where the figure lives for the whole run, as the catalogue's
    // do: a figure made anew (the explorer's, on every change) may take the address of
    // one gone.
    const bool lasting = findFigure(figure.name) == &figure;
    const RenderingKey key(figure, view);
    QCache<RenderingKey, QPixmap> &cache = keptRenderings();
    if (const QPixmap *kept = lasting ? cache.object(key) : nullptr)
        return *kept;

    // Painted in device pixels, with the transform and clip a painter of that ratio
    // has when the picture's corner sits `offset` into a device pixel: the raster
    // engine then rounds every edge and glyph as it does painting in place.
    const QTransform toDevice(view.ratio, 0, 0, view.ratio, view.offset.x(), view.offset.y());
    const QRect inside(QPoint(0, 0), view.size);
    const QRect clip = toDevice.mapRect(inside);
    QPixmap pixmap(clip.x() + clip.width(), clip.y() + clip.height());
    pixmap.fill(view.background);
    QPainter painter(&pixmap);
    painter.setTransform(toDevice);
    if (view.underlay) {
        painter.save();
        view.underlay(painter);
        painter.restore();
    }
    painter.setClipRect(inside);
    painter.scale(view.scale, view.scale);
    paintFigure(painter, figure);
    painter.end();
    pixmap.setDevicePixelRatio(view.ratio);
    if (lasting) {
        const qint64 kiB = qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8 / 1024;
        cache.insert(key, new QPixmap(pixmap), int(std::max<qint64>(kiB, 1)));
    }
    return pixmap;
}

void forgetFigurePixmaps()
{
    keptRenderings().clear();
}

bool KeptFigure::draw(QPainter &painter, const Figure &figure, QPointF corner, FigureView view)
{
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale || device.m11() != device.m22())
        return false;
    // The picture goes on a whole device pixel, the figure inside it where a direct
    // paint would have put it.
    const QPointF onDevice = device.map(corner);
    const QPointF whole(std::floor(onDevice.x()), std::floor(onDevice.y()));
    view.ratio = device.m11();
    view.offset = onDevice - whole;
    const RenderingKey key(figure, view);
    if (m_pixmap.isNull() || !(key == m_key)) {
        m_pixmap = figurePixmap(figure, view);
        m_key = key;
    }
    painter.drawPixmap(device.inverted().map(whole), m_pixmap);
    return true;
}

QTransform fitted(const Figure &figure, const QRectF &area)
{
    const QRectF canvas = figure.canvas;
    const double scale = std::min(area.width() / canvas.width(), area.height() / canvas.height());
    const QSizeF shown = canvas.size() * scale;
    QTransform transform;
    transform.translate(area.x() + (area.width() - shown.width()) / 2,
                        area.y() + (area.height() - shown.height()) / 2);
    transform.scale(scale, scale);
    return transform;
}

void drawFigureFitted(QPainter &painter, KeptFigure &kept, const Figure &figure,
                      const QRectF &area, const QColor &background)
{
    const QTransform toArea = fitted(figure, area);
    const double scale = toArea.m11();
    const QRectF shown(toArea.map(QPointF(0, 0)), figure.canvas.size() * scale);
    painter.save();
    painter.setClipRegion(QRegion(area.toAlignedRect()) - shown.toAlignedRect(),
                          Qt::IntersectClip);
    painter.fillRect(area, background);
    painter.restore();

    const QSize size(int(std::ceil(shown.width())), int(std::ceil(shown.height())));
    if (kept.draw(painter, figure, shown.topLeft(), {size, scale, 1, background, {}}))
        return;
    painter.save();
    painter.setTransform(toArea, true);
    paintFigure(painter, figure);
    painter.restore();
}

}  // namespace fc
