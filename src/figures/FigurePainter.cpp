#include "figures/FigurePainter.h"

#include "figures/Fonts.h"

#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace fc {

namespace {

QPen penFor(const Pen &pen)
{
    return QPen(pen.colour, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Figures repaint the same few texts over and over: each is shaped once into glyph
// runs, with its baseline at y = 0, and then only drawn.
const QList<QGlyphRun> &shaped(const TextElement &e)
{
    using Key = std::tuple<QString, Face, double, bool, bool>;
    static std::map<Key, QList<QGlyphRun>> cache;
    const Key key{e.text, e.face, e.height, e.bold, e.italic};
    auto found = cache.find(key);
    if (found == cache.end()) {
        QTextLayout layout(e.text, fontFor(e.face, e.height, e.bold, e.italic));
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        line.setPosition(QPointF(0, -line.ascent()));
        found = cache.emplace(key, layout.glyphRuns()).first;
    }
    return found->second;
}

class ElementPainter {
public:
    explicit ElementPainter(QPainter &painter)
        : p(painter)
    {
    }

    void operator()(const RectElement &e) const
    {
        p.setPen(e.outline ? penFor(*e.outline) : QPen(Qt::NoPen));
        p.setBrush(e.fill ? QBrush(*e.fill) : QBrush(Qt::NoBrush));
        p.drawRect(e.rect);
    }

    void operator()(const LineElement &e) const
    {
        p.setPen(penFor(e.pen));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(e.points.data(), int(e.points.size()));
    }

    void operator()(const CurveElement &e) const
    {
        QPainterPath path(e.start);
        for (const BezierSegment &s : e.segments)
            path.cubicTo(s.control1, s.control2, s.end);
        p.setPen(penFor(e.pen));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }

    void operator()(const PolygonElement &e) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(e.fill);
        p.drawPolygon(e.points.data(), int(e.points.size()));
    }

    void operator()(const CircleElement &e) const
    {
        p.setPen(e.outline ? penFor(*e.outline) : QPen(Qt::NoPen));
        p.setBrush(e.fill ? QBrush(*e.fill) : QBrush(Qt::NoBrush));
        const double radius = e.diameter / 2;
        p.drawEllipse(e.centre, radius, radius);
    }

    void operator()(const DotRowElement &e) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(e.colour);
        const double half = e.dotSize / 2;
        // A dot is a few pixels across: drawn as a regular polygon of the same area it
        // looks the same as a circle and costs far less than the circle's curves.
        constexpr int kSides = 12;
        static const std::array<QPointF, kSides> unit = [] {
            using std::numbers::pi;
            // The circumradius of a unit-radius circle's equal-area polygon.
            const double r = std::sqrt(pi / (kSides / 2.0 * std::sin(2 * pi / kSides)));
            std::array<QPointF, kSides> corners;
            for (int i = 0; i < kSides; ++i) {
                const double angle = 2 * pi * i / kSides;
                corners[std::size_t(i)] = QPointF(r * std::cos(angle), r * std::sin(angle));
            }
            return corners;
        }();
        std::array<QPointF, kSides> corners;
        for (QPointF c : dotCentres(e)) {
            if (e.shape == DotShape::Round) {
                for (std::size_t i = 0; i < corners.size(); ++i)
                    corners[i] = c + unit[i] * half;
                p.drawConvexPolygon(corners.data(), kSides);
            } else {
                p.drawRect(QRectF(c.x() - half, c.y() - half, e.dotSize, e.dotSize));
            }
        }
    }

    void operator()(const TextElement &e) const
    {
        p.save();
        p.setPen(e.colour);
        p.translate(e.baseline);
        if (e.rotation != 0)
            p.rotate(-e.rotation);  // counter-clockwise on screen
        if (const QPaintEngine::Type engine = p.paintEngine()->type();
            engine == QPaintEngine::SVG || engine == QPaintEngine::Pdf) {
            // Glyph runs would reach an SVG file as outlines; drawn as a string, the text
            // stays text. A widened font becomes a widened drawing, which renderers that
            // ignore a font's stretch reproduce too.
            QFont font = fontFor(e.face, e.height, e.bold, e.italic);
            if (const int stretch = font.stretch(); stretch > 0 && stretch != QFont::Unstretched) {
                p.scale(stretch / 100.0, 1);
                font.setStretch(QFont::Unstretched);
            }
            // The black faces are black by design; asked for the Black weight as well, a
            // PDF gets them emboldened once more.
            if (engine == QPaintEngine::Pdf && e.face == Face::ArialBlack)
                font.setWeight(QFont::Normal);
            p.setFont(font);
            p.drawText(QPointF(0, 0), e.text);
        } else {
            for (const QGlyphRun &run : shaped(e))
                p.drawGlyphRun(QPointF(0, 0), run);
        }
        p.restore();
    }

    void operator()(const PatchElement &e) const { p.fillRect(e.rect, colour::paleYellow); }

private:
    QPainter &p;
};

}  // namespace

std::vector<QPointF> dotCentres(const DotRowElement &row)
{
    const double length = QLineF(row.from, row.to).length();
    const int gaps = row.spacing > 0 ? int(std::lround(length / row.spacing)) : 0;
    std::vector<QPointF> centres;
    centres.reserve(std::size_t(gaps) + 1);
    for (int i = 0; i <= gaps; ++i)
        centres.push_back(gaps == 0 ? row.from : row.from + (row.to - row.from) * (double(i) / gaps));
    return centres;
}

void paintFigure(QPainter &painter, const Figure &figure)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(-figure.canvas.topLeft());
    const ElementPainter draw(painter);
    for (const Element &element : figure.elements)
        std::visit(draw, element);
    painter.restore();
}

}  // namespace fc
