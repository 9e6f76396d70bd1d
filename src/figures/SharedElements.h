#pragma once

// The pieces that several function-curve figures share, as small builders. A figure
// is written as a short list of calls in drawing order on a FigureBuilder.
// Positions passed as (CVP, CO) are axis units; the builder maps them to canvas
// units through its Axes, the one place where the mapping is written.

#include "figures/Figure.h"
#include "figures/LabelFit.h"

#include <QStringList>

#include <initializer_list>
#include <vector>

namespace fc {

inline constexpr QPointF kFrameCorner{176, 512};      // bottom-left of the plot frame
inline constexpr QPointF kTestFrameCorner{200, 552};  // the test figure's frame corner
// The frame's left and top edges, in axis units; its right edge differs by figure.
inline constexpr double kFrameLeftCvp = -4;
inline constexpr double kFrameTopCo = 12.25;

// canvas x = X0 + 39 (CVP + 4), canvas y = Y0 - 32 CO
struct Axes {
    QPointF corner = kFrameCorner;

    constexpr QPointF toCanvas(double cvp, double co) const
    {
        return {corner.x() + 39.0 * (cvp + 4.0), corner.y() - 32.0 * co};
    }
    constexpr QPointF toCanvas(QPointF axisPoint) const
    {
        return toCanvas(axisPoint.x(), axisPoint.y());
    }
    constexpr QPointF toAxis(QPointF canvasPoint) const
    {
        return {(canvasPoint.x() - corner.x()) / 39.0 - 4.0,
                (corner.y() - canvasPoint.y()) / 32.0};
    }
    // How far shared elements at fixed canvas places move in this figure.
    constexpr QPointF shift() const { return corner - kFrameCorner; }
};

// A chain of cubic Bézier segments in axis units (CVP, CO).
struct CurveData {
    QPointF start;
    std::vector<BezierSegment> segments;
};

const CurveData &cfcControlCurve();
const CurveData &cfcUpCurve();
const CurveData &cfcDownCurve();
// VFC-control as a polyline in axis units: foot, operating point, bend, left end.
const std::vector<QPointF> &vfcControlLine();

// Point on a Bézier chain, t in [0, segments] (segment index + local t), axis units.
QPointF pointOnCurve(const CurveData &curve, double t);

// `v` scaled to length 1; the null vector stays null.
QPointF unit(QPointF v);

enum class TickLabels {
    Standard,
    WideLast,  // heart failure, volume, TPR: last CVP label "    12" at 761
    NoSix,     // orthostatic and blood loss: no label 6, 8 to 12 moved
};

enum class CvpTitle { Centre, CentreSplit, Left, Inside };

enum class Patch { P1, P2, P3, P4, P5, P6 };

struct TextStyle {
    Face face = Face::Arial;
    double height = 27;
    bool bold = true;
    bool italic = false;
    QColor colour = colour::black;
};

// Common styles of the figures.
inline const TextStyle kArialBlack27{Face::ArialBlack, 27, false};
inline const TextStyle kArial27Bold{Face::Arial, 27, true};
inline const TextStyle kArial21Bold{Face::Arial, 21, true};
inline const TextStyle kNote{Face::Arial, 16, true};  // note text, 19-unit line step

// Every text handed to the builder is English; the figure shows it in the program's
// language (context "Figure"), each label kept to its English place.
class FigureBuilder {
public:
    FigureBuilder(QString name, QRectF canvas, Axes axes = {});

    const Axes &axes() const { return m_axes; }
    QPointF at(double cvp, double co) const { return m_axes.toCanvas(cvp, co); }

    // Shared elements, at their canvas places moved by axes().shift().
    FigureBuilder &frame(double rightCvp = 12.0);  // 14.05 in the heart-failure figure
    FigureBuilder &tickLabels(TickLabels variant = TickLabels::Standard);
    FigureBuilder &coTitle(bool moved = false);  // moved: 8 units right
    FigureBuilder &cvpTitle(CvpTitle form);
    FigureBuilder &patch(Patch which);
    // "Cardiac", "Function", "Curve" above the plateau of CFC-control (cfc1, vfc4).
    FigureBuilder &cardiacCurveLabel();

    // The named curves.
    FigureBuilder &cfcControl(const QColor &colour, double width);
    FigureBuilder &cfcUp(const QColor &colour, double width);
    FigureBuilder &cfcDown(const QColor &colour, double width);
    FigureBuilder &curve(const CurveData &axisCurve, const QColor &colour, double width);

    // Straight segments through (CVP, CO) points.
    FigureBuilder &line(std::initializer_list<QPointF> axisPoints, const QColor &colour,
                        double width);

    // Dotted guide: dots `dotSize` across, 8 units apart, from `from` to the CVP axis
    // (down) or the CO axis (left), ended by an arrowhead whose tip touches the frame.
    FigureBuilder &guideDown(QPointF from, const QColor &colour = colour::black,
                             double dotSize = 4);
    FigureBuilder &guideLeft(QPointF from, const QColor &colour = colour::black,
                             double dotSize = 4);
    // Filled triangle about 17 long and 17 wide, tip at `tip`, pointing along
    // the direction from `from` to `tip` (axis units).
    FigureBuilder &arrowhead(QPointF from, QPointF tip, const QColor &colour = colour::black,
                             double length = 17, double width = 17);

    // Arrows: shaft plus filled arrowhead at the tip.
    FigureBuilder &arrow(QPointF tail, QPointF tip, double width,
                         const QColor &colour = colour::black);
    // Curved shaft bending gently on its way to the tip.
    FigureBuilder &curvedArrow(QPointF tail, QPointF tip, double width,
                               const QColor &colour = colour::black);
    // Curved shaft passing through `through`.
    FigureBuilder &curvedArrow(QPointF tail, QPointF through, QPointF tip, double width,
                               const QColor &colour = colour::black);

    // Circles: diameter in canvas units, centre in axis units.
    FigureBuilder &circle(QPointF centre, double diameter, std::optional<QColor> fill,
                          std::optional<Pen> outline = std::nullopt);
    // Filled circle of diameter 26 without outline.
    FigureBuilder &pointMarker(QPointF centre, const QColor &colour, double diameter = 26);
    // Filled circle of diameter 24 with a black outline (width 1 or 2).
    FigureBuilder &numberedMarker(QPointF centre, const QColor &fill, double outlineWidth = 1);
    // Region numbers 1 to 4 as the circled digits U+2776, U+2777, U+2778, U+278D.
    FigureBuilder &regionNumber(int number, QPointF baseline, double height = 32);

    FigureBuilder &text(const QString &text, QPointF baseline, const TextStyle &style,
                        double rotation = 0);
    // A note of several lines, the first at `firstBaseline`, each further one
    // 19 units lower.
    FigureBuilder &note(const QStringList &lines, QPointF firstBaseline,
                        const TextStyle &style = kNote);
    // Text placed by canvas coordinates (moved by axes().shift() is the caller's call).
    FigureBuilder &canvasText(const QString &text, QPointF canvasBaseline,
                              const TextStyle &style);

    // Any element in canvas units, for what no builder covers.
    FigureBuilder &add(Element element);

    FigureBuilder &describe(const QString &title, const QString &description);
    // The figure's title as one line (a window names the figure by it).
    FigureBuilder &heading(const QString &line);
    // Draws a piece of the title, as text() does, and adds it to the heading.
    FigureBuilder &headingText(const QString &text, QPointF baseline, const TextStyle &style);

    Figure build() &&;

private:
    FigureBuilder &addText(const QString &english, TextElement element);

    Figure m_figure;
    Axes m_axes;
    std::vector<TranslatedLabel> m_translated;
};

}  // namespace fc
