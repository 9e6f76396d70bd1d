#include "figures/FigurePixmap.h"

#include "figures/Figure.h"
#include "figures/FigurePainter.h"

#include <QPainter>
#include <QRegion>
#include <QPixmapCache>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace fc {

namespace {

QString cacheKey(const Figure &figure, const FigureView &view)
{
    // The address tells apart figures that share a name; the name keeps a key readable.
    return QStringLiteral("fc-figure %1 %2 %3x%4 %5 %6 %7 %8 %9 %10")
        .arg(figure.name, QString::number(quintptr(&figure), 16))
        .arg(view.size.width())
        .arg(view.size.height())
        .arg(view.scale, 0, 'g', 17)
        .arg(view.ratio, 0, 'g', 17)
        .arg(view.offset.x(), 0, 'g', 17)
        .arg(view.offset.y(), 0, 'g', 17)
        .arg(view.background.rgba(), 8, 16, QLatin1Char('0'))
        .arg(view.underlayKey);
}

}  // namespace

QPixmap figurePixmap(const Figure &figure, const FigureView &view)
{
    const QString key = cacheKey(figure, view);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;

    // Painted in device pixels, with the transform and clip a painter of that ratio
    // has when the picture's corner sits `offset` into a device pixel: the raster
    // engine then rounds every edge and glyph as it does painting in place.
    const QTransform toDevice(view.ratio, 0, 0, view.ratio, view.offset.x(), view.offset.y());
    const QRect inside(QPoint(0, 0), view.size);
    const QRect clip = toDevice.mapRect(inside);
    pixmap = QPixmap(clip.x() + clip.width(), clip.y() + clip.height());
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
    QPixmapCache::insert(key, pixmap);
    return pixmap;
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

void drawFigureFitted(QPainter &painter, const Figure &figure, const QRectF &area,
                      const QColor &background)
{
    const QTransform toArea = fitted(figure, area);
    const double scale = toArea.m11();
    const QRectF shown(toArea.map(QPointF(0, 0)), figure.canvas.size() * scale);
    painter.save();
    painter.setClipRegion(QRegion(area.toAlignedRect()) - shown.toAlignedRect(),
                          Qt::IntersectClip);
    painter.fillRect(area, background);
    painter.restore();

    const QTransform device = painter.deviceTransform();
    if (device.type() <= QTransform::TxScale && device.m11() == device.m22()) {
        // On a whole device pixel, as the picture areas of the pages are.
        const QPointF onDevice = device.map(shown.topLeft());
        const QPointF whole(std::floor(onDevice.x()), std::floor(onDevice.y()));
        const QSize size(int(std::ceil(shown.width())), int(std::ceil(shown.height())));
        painter.drawPixmap(device.inverted().map(whole),
                           figurePixmap(figure, {size, scale, device.m11(), background,
                                                 onDevice - whole}));
        return;
    }
    painter.save();
    painter.setTransform(toArea, true);
    paintFigure(painter, figure);
    painter.restore();
}

}  // namespace fc
