#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <functional>

class QPainter;

namespace fc {

struct Figure;

// Everything the pixels of a figure's picture depend on.
struct FigureView {
    QSize size;         // the picture's extent in pixels
    double scale = 1;   // pixels per canvas unit
    qreal ratio = 1;    // device pixels per pixel
    QColor background;  // under the figure
    // Where the picture's corner falls inside a device pixel (0 to 1 in each
    // direction), so that a picture put on a whole device pixel shows the figure
    // exactly where a direct paint at a fractional position draws it.
    QPointF offset;
    // Drawn over the background before the figure, in the picture's pixels (a
    // frame's edge where it reaches inside), and a name that changes whenever its
    // pixels would.
    std::function<void(QPainter &)> underlay = {};
    QString underlayKey = {};
};

// The figure painted on its background and underlay, canvas origin at the picture's corner (plus
// the offset), clipped to `view.size`; rendered on first use and then kept in
// QPixmapCache. The pixmap carries `view.ratio` as its device pixel ratio and is
// `offset` device pixels larger than `size`, rounded as the raster engine rounds a
// clip.
QPixmap figurePixmap(const Figure &figure, const FigureView &view);

// The painter transform under which paintFigure draws `figure` scaled uniformly to
// fill `area`, centred (paintFigure itself moves the canvas's corner to the origin).
QTransform fitted(const Figure &figure, const QRectF &area);

// Draws `figure` fitted to `area` on `background`, which fills the rest of the area:
// from its kept rendering where the painter only scales, else directly.
void drawFigureFitted(QPainter &painter, const Figure &figure, const QRectF &area,
                      const QColor &background);

}  // namespace fc
