#include "figures/FigurePixmap.h"

#include "figures/Figure.h"
#include "figures/FigurePainter.h"

#include <QPainter>
#include <QPixmapCache>
#include <QTransform>

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

}  // namespace fc
