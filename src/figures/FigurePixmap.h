#pragma once

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QSize>
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
    // frame's edge where it reaches inside), and a number that changes whenever its
    // pixels would.
    std::function<void(QPainter &)> underlay = {};
    size_t underlayKey = 0;
};

// What a rendering is found by: the figure's address (which a holder of the rendering
// keeps alive) and its view but for the underlay's drawing.
struct RenderingKey {
    const Figure *figure = nullptr;
    QSize size;
    double scale = 0;
    qreal ratio = 0;
    QRgb background = 0;
    QPointF offset;
    size_t underlay = 0;

    RenderingKey() = default;
    RenderingKey(const Figure &figure, const FigureView &view);
    friend bool operator==(const RenderingKey &, const RenderingKey &) = default;
};
size_t qHash(const RenderingKey &key, size_t seed = 0);

// The figure painted on its background and underlay, canvas origin at the picture's
// corner (plus the offset), clipped to `view.size`. A catalogue figure's rendering is
// kept among the program's, which hold up to twice the pixels of the screens; any
// other figure's is made afresh for each call. The
// pixmap carries `view.ratio` as its device pixel ratio and is `offset` device pixels
// larger than `size`, rounded as the raster engine rounds a clip.
QPixmap figurePixmap(const Figure &figure, const FigureView &view);
// Lets every kept rendering go.
void forgetFigurePixmaps();

// A widget's rendering of the figure it shows, held while the view stays the same: a
// figure on view is repainted from it however many others the program keeps.
class KeptFigure {
public:
    // Draws `figure` with the picture's corner at `corner` (painter coordinates),
    // on a whole device pixel, from the rendering of `view` (whose offset it sets).
    // False, drawing nothing, where the painter turns or stretches unevenly.
    bool draw(QPainter &painter, const Figure &figure, QPointF corner, FigureView view);

private:
    RenderingKey m_key;
    QPixmap m_pixmap;
};

// The painter transform under which paintFigure draws `figure` scaled uniformly to
// fill `area`, centred (paintFigure itself moves the canvas's corner to the origin).
QTransform fitted(const Figure &figure, const QRectF &area);

// Draws `figure` fitted to `area` on `background`, which fills the rest of the area:
// from `kept` where the painter only scales, else directly.
void drawFigureFitted(QPainter &painter, KeptFigure &kept, const Figure &figure,
                      const QRectF &area, const QColor &background);

}  // namespace fc
