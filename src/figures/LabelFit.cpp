#include "figures/LabelFit.h"

#include "figures/Fonts.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <optional>

namespace fc {

namespace {

// How far a label keeps from what it does not touch in English: glyphs that meet
// read as one word.
constexpr double kClearance = 3;

// An element's shape before stroking, and the width of its stroke (0: filled as is).
struct Shape {
    QPainterPath path;
    double stroke = 0;
};

struct ShapeOf {
    Shape operator()(const RectElement &e) const
    {
        QPainterPath path;
        path.addRect(e.rect);
        return {path, e.outline ? e.outline->width : 1};
    }
    Shape operator()(const LineElement &e) const
    {
        QPainterPath path;
        if (!e.points.empty()) {
            path.moveTo(e.points.front());
            for (const QPointF &p : e.points)
                path.lineTo(p);
        }
        return {path, e.pen.width};
    }
    Shape operator()(const CurveElement &e) const
    {
        QPainterPath path(e.start);
        for (const BezierSegment &s : e.segments)
            path.cubicTo(s.control1, s.control2, s.end);
        return {path, e.pen.width};
    }
    Shape operator()(const PolygonElement &e) const
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(e.points.begin(), e.points.end())));
        return {path};
    }
    Shape operator()(const CircleElement &e) const
    {
        QPainterPath path;
        path.addEllipse(e.centre, e.diameter / 2, e.diameter / 2);
        return {path};
    }
    Shape operator()(const DotRowElement &e) const
    {
        QPainterPath path(e.from);
        path.lineTo(e.to);
        return {path, e.dotSize};
    }
    Shape operator()(const TextElement &e) const { return {textOutline(e)}; }
    Shape operator()(const PatchElement &) const { return {}; }
};

QPainterPath covered(const Shape &shape)
{
    if (shape.stroke <= 0 || shape.path.isEmpty())
        return shape.path;
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(shape.stroke, 1.0));
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(shape.path);
}

}  // namespace

QPainterPath textOutline(const TextElement &e, double clearance)
{
    const QFontMetricsF metrics(fontFor(e.face, e.height, e.bold, e.italic));
    // The ink, not the advance: the blanks that place a tick label are not in the way.
    const QString inked = e.text.trimmed();
    const double lead = metrics.horizontalAdvance(e.text.left(e.text.indexOf(inked)));
    QPainterPath path;
    if (const QRectF ink = metrics.tightBoundingRect(inked); !ink.isEmpty())
        path.addRect(ink.translated(lead, 0).adjusted(-clearance, -clearance, clearance, clearance));
    QTransform placed;
    placed.translate(e.baseline.x(), e.baseline.y());
    placed.rotate(-e.rotation);
    return placed.map(path);
}

QPainterPath coveredBy(const Element &element)
{
    return covered(std::visit(ShapeOf{}, element));
}

void fitTranslatedLabels(Figure &figure, const std::vector<TranslatedLabel> &labels)
{
    // Shapes are stroked only where a label may reach them: a figure of the curve
    // explorer is built afresh at every change.
    std::vector<Shape> shapes;
    shapes.reserve(figure.elements.size());
    for (const Element &element : figure.elements)
        shapes.push_back(std::visit(ShapeOf{}, element));
    std::vector<std::optional<QPainterPath>> stroked(shapes.size());
    const auto coveredAt = [&](std::size_t i) -> const QPainterPath & {
        if (!stroked[i])
            stroked[i] = covered(shapes[i]);
        return *stroked[i];
    };

    for (const TranslatedLabel &label : labels) {
        auto &text = std::get<TextElement>(figure.elements[label.element]);
        TextElement english = text;
        english.text = label.english;
        const QPainterPath englishOutline = textOutline(english);
        const QPainterPath englishReach = textOutline(english, kClearance);
        const QRectF englishInk = englishOutline.boundingRect();
        const QRectF reach = textOutline(text, kClearance).boundingRect();
        const QRectF room = figure.canvas.united(englishInk);
        // Within the English text's own ink it can run into nothing new.
        if (englishInk.contains(textOutline(text).boundingRect()))
            continue;
        // What the English ink comes near but does not touch, the label may come as near.
        struct Obstacle {
            std::size_t element;
            bool near;
        };
        std::vector<Obstacle> obstacles;
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const double margin = shapes[i].stroke;
            if (i == label.element || shapes[i].path.isEmpty()
                || !shapes[i]
                        .path.controlPointRect()
                        .adjusted(-margin, -margin, margin, margin)
                        .intersects(reach)
                || coveredAt(i).intersects(englishOutline))
                continue;
            obstacles.push_back({i, coveredAt(i).intersects(englishReach)});
        }
        // The largest size that keeps clear of the rest; failing that, the largest that
        // at least does not run into it.
        const auto fits = [&](bool keepClear) {
            const QPainterPath ink = textOutline(text);
            const QPainterPath clear = textOutline(text, kClearance);
            return room.contains(ink.boundingRect())
                && std::none_of(obstacles.begin(), obstacles.end(), [&](const Obstacle &o) {
                       return coveredAt(o.element).intersects(o.near || !keepClear ? ink : clear);
                   });
        };
        const double height = text.height;
        bool found = false;
        for (const auto &[keepClear, smallest] : {std::pair{true, 0.6}, std::pair{false, 0.3}}) {
            for (double scale = 1.0; !found && scale >= smallest; scale -= 0.04) {
                text.height = height * scale;
                found = fits(keepClear);
            }
        }
        shapes[label.element] = {textOutline(text)};
        stroked[label.element] = textOutline(text);
    }
}

}  // namespace fc
