#pragma once

// A figure is plain data: an ordered list of vector elements on a canvas, in canvas
// units (one unit is one pixel at 96 dpi, y grows downward). Later elements cover
// earlier ones. One painter (FigurePainter.h) draws any figure.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace fc {

namespace colour {
inline const QColor black{0, 0, 0};
inline const QColor red{255, 0, 0};
inline const QColor blue{51, 51, 204};
inline const QColor lightRed{255, 80, 80};
inline const QColor paleYellow{255, 255, 153};
inline const QColor white{255, 255, 255};
inline const QColor pureBlue{0, 0, 255};
inline const QColor green{0, 255, 0};
}  // namespace colour

struct Pen {
    QColor colour;
    double width = 1;
};

struct RectElement {
    QRectF rect;
    std::optional<QColor> fill;
    std::optional<Pen> outline;
};

// Two or more vertices joined by straight segments, round ends and joins.
struct LineElement {
    std::vector<QPointF> points;
    Pen pen;
};

struct BezierSegment {
    QPointF control1;
    QPointF control2;
    QPointF end;
};

struct CurveElement {
    QPointF start;
    std::vector<BezierSegment> segments;
    Pen pen;
};

// Arrowheads, dart heads and thick dashes: filled, no outline.
struct PolygonElement {
    std::vector<QPointF> points;
    QColor fill;
};

struct CircleElement {
    QPointF centre;
    double diameter = 0;
    std::optional<QColor> fill;
    std::optional<Pen> outline;
};

enum class DotShape { Round, Square };

// Equal small filled dots from `from` to `to` (both ends included), `spacing`
// between centres.
struct DotRowElement {
    QPointF from;
    QPointF to;
    double dotSize = 4;
    double spacing = 8;
    QColor colour;
    DotShape shape = DotShape::Round;
};

// Faces as the figures name them; the painter maps each to an installed font.
enum class Face { MsSansSerif, Arial, ArialBlack, TimesNewRoman, Symbols };

// Placed by the left end of its baseline; `height` is the font's pixel size in
// canvas units; rotation in degrees, counter-clockwise.
struct TextElement {
    QString text;
    QPointF baseline;
    Face face = Face::Arial;
    double height = 27;
    bool bold = false;
    bool italic = false;
    QColor colour = colour::black;
    double rotation = 0;
};

// A pale-yellow rectangle without outline that hides what lies under it.
struct PatchElement {
    QRectF rect;
};

using Element = std::variant<RectElement, LineElement, CurveElement, PolygonElement,
                             CircleElement, DotRowElement, TextElement, PatchElement>;

struct Figure {
    QString name;
    QRectF canvas;  // origin (left, top) and extent in canvas units
    std::vector<Element> elements;
    QString title;        // a short name in words
    QString description;  // what the figure shows, for readers who cannot see it
    QString heading{};    // the title drawn on the figure as one line; empty: none
};

// Who keeps a figure keeps it alive. The catalogue's figures are static and live for
// the whole run, so a page or a picture area may point at them. Anything that keeps a
// figure past the call that hands it over (a figure window, a menu's actions, a dialog
// still open) holds a SharedFigure: the explorer's figure, made anew on every change,
// then lives as long as the last of them.
using SharedFigure = std::shared_ptr<const Figure>;

// A catalogue figure, shared without being owned: it outlives every holder.
inline SharedFigure catalogued(const Figure &figure)
{
    return SharedFigure(SharedFigure(), &figure);
}

}  // namespace fc
