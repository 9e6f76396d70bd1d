#include "figures/LabelFit.h"

#include "figures/Fonts.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>

namespace fc {

namespace {

QPainterPath stroked(const QPainterPath &path, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(width, 1.0));
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

struct Covered {
    QPainterPath operator()(const RectElement &e) const
    {
        QPainterPath path;
        path.addRect(e.rect);
        return stroked(path, e.outline ? e.outline->width : 1);
    }
    QPainterPath operator()(const LineElement &e) const
    {
        QPainterPath path;
        if (!e.points.empty()) {
            path.moveTo(e.points.front());
            for (const QPointF &p : e.points)
                path.lineTo(p);
        }
        return stroked(path, e.pen.width);
    }
    QPainterPath operator()(const CurveElement &e) const
    {
        QPainterPath path(e.start);
        for (const BezierSegment &s : e.segments)
            path.cubicTo(s.control1, s.control2, s.end);
        return stroked(path, e.pen.width);
    }
    QPainterPath operator()(const PolygonElement &e) const
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(e.points.begin(), e.points.end())));
        return path;
    }
    QPainterPath operator()(const CircleElement &e) const
    {
        QPainterPath path;
        path.addEllipse(e.centre, e.diameter / 2, e.diameter / 2);
        return path;
    }
    QPainterPath operator()(const DotRowElement &e) const
    {
        QPainterPath path(e.from);
        path.lineTo(e.to);
        return stroked(path, e.dotSize);
    }
    QPainterPath operator()(const TextElement &e) const { return textOutline(e); }
    QPainterPath operator()(const PatchElement &) const { return {}; }
};

double advance(const TextElement &e)
{
    return QFontMetricsF(fontFor(e.face, e.height, e.bold, e.italic)).horizontalAdvance(e.text);
}

}  // namespace

QPainterPath textOutline(const TextElement &e)
{
    const QFontMetricsF metrics(fontFor(e.face, e.height, e.bold, e.italic));
    // The ink, not the advance: the blanks that place a tick label are not in the way.
    QPainterPath path;
    if (const QRectF ink = metrics.tightBoundingRect(e.text); !ink.isEmpty())
        path.addRect(ink);
    QTransform placed;
    placed.translate(e.baseline.x(), e.baseline.y());
    placed.rotate(-e.rotation);
    return placed.map(path);
}

QPainterPath coveredBy(const Element &element)
{
    return std::visit(Covered{}, element);
}

void fitTranslatedLabels(Figure &figure, const std::vector<TranslatedLabel> &labels)
{
    std::vector<QPainterPath> covered;
    covered.reserve(figure.elements.size());
    for (const Element &element : figure.elements)
        covered.push_back(coveredBy(element));

    for (const TranslatedLabel &label : labels) {
        auto &text = std::get<TextElement>(figure.elements[label.element]);
        TextElement english = text;
        english.text = label.english;
        const QPainterPath englishOutline = textOutline(english);
        const QRectF room = figure.canvas.united(englishOutline.boundingRect());
        std::vector<const QPainterPath *> obstacles;
        for (std::size_t i = 0; i < covered.size(); ++i) {
            if (i != label.element && !covered[i].isEmpty()
                && !covered[i].intersects(englishOutline))
                obstacles.push_back(&covered[i]);
        }
        const double englishWidth = advance(english);
        const double height = text.height;
        for (double scale = 1.0;; scale -= 0.04) {
            text.height = height * scale;
            const QPainterPath outline = textOutline(text);
            const bool fits = room.contains(outline.boundingRect())
                              && std::none_of(obstacles.begin(), obstacles.end(),
                                              [&](const QPainterPath *o) {
                                                  return o->intersects(outline);
                                              });
            if (fits || advance(text) <= englishWidth || scale < 0.3) {
                covered[label.element] = outline;
                break;
            }
        }
    }
}

}  // namespace fc
