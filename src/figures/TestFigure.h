#pragma once

// The test figure's geometry in axis units (CVP, CO), shared by its builder and by
// the practice test, whose questions ask which numbered point lies where two of
// these curves cross.

#include "figures/SharedElements.h"

#include <QPointF>

#include <array>
#include <string_view>
#include <vector>

namespace fc {

struct TestFigureCurves {
    CurveData a;           // increased contractility, red
    CurveData b;           // decreased contractility, blue
    CurveData controlCfc;  // drawn dashed, between kDashedCfcFrom and kDashedCfcTo
    std::vector<QPointF> c;           // black line, higher filling and lower TPR
    std::vector<QPointF> d;           // black line, lower filling
    std::vector<QPointF> controlVfc;  // drawn dashed
};

// CVP range of CFC-control that the dashes cover.
inline constexpr double kDashedCfcFrom = -3.49;
inline constexpr double kDashedCfcTo = 9.50;

const TestFigureCurves &testFigureCurves();

struct TestFigurePoint {
    std::string_view label;  // "1" to "8", "S"
    QPointF centre;          // of the marker circle
    QPointF labelBaseline;   // left end of the label's baseline
};

// Markers of diameter 24; S is pale yellow, the others white.
inline constexpr std::array<TestFigurePoint, 9> kTestFigurePoints{{
    {"1", {-0.13, 4.22}, {-0.26, 3.94}},
    {"2", {0.69, 6.38}, {0.56, 6.19}},
    {"3", {1.64, 9.12}, {1.51, 8.84}},
    {"4", {0.90, 3.22}, {0.77, 2.94}},
    {"5", {3.15, 6.47}, {3.03, 6.19}},
    {"6", {2.13, 1.97}, {2.00, 1.69}},
    {"7", {3.77, 3.34}, {3.64, 3.06}},
    {"8", {4.64, 3.81}, {4.54, 3.56}},
    {"S", {2.13, 5.03}, {1.95, 4.78}},
}};

// The points by name, in the order of kTestFigurePoints: a name that does not exist
// does not compile.
enum class TestPoint { P1, P2, P3, P4, P5, P6, P7, P8, S };

constexpr const TestFigurePoint &testFigurePoint(TestPoint point)
{
    return kTestFigurePoints[std::size_t(point)];
}

// The point with `label`, or nullptr.
const TestFigurePoint *findTestFigurePoint(std::string_view label);

}  // namespace fc
