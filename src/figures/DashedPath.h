#pragma once

// Dashed courses drawn as filled polygons, for the figures whose dashes are too
// thick or too square for a pen's dash pattern.

#include "figures/SharedElements.h"

#include <vector>

namespace fc {

// Dashes `length` long (measured along `path`) and `thickness` across, `gap` apart,
// the first one starting at the path's start. Each dash bends with the path. Canvas
// units.
std::vector<PolygonElement> dashesAlong(const std::vector<QPointF> &path, double length,
                                        double gap, double thickness, const QColor &colour);

// A figure's black dashes: their length, gap and thickness in canvas units.
struct DashPattern {
    double length;
    double gap;
    double thickness;
};

// Adds black dashes of `pattern` along `path` (canvas units) to the figure.
void addDashes(FigureBuilder &b, const std::vector<QPointF> &path, const DashPattern &pattern);

// Canvas points along `curve` (axis units) from chain parameter t0 to t1.
std::vector<QPointF> sampleCurve(const Axes &axes, const CurveData &curve, double t0,
                                 double t1, int stepsPerSegment = 48);

// Chain parameter at which a Bézier chain whose CVP grows along it reaches `cvp`.
double curveParameterAtCvp(const CurveData &curve, double cvp);

}  // namespace fc
