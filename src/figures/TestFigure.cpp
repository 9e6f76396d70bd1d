// The figure of the practice test: three cardiac and three vascular function curves
// with the points the questions ask about.

#include "figures/TestFigure.h"

#include "figures/DashedPath.h"
#include "figures/FigureCatalogue.h"

#include <algorithm>
#include <initializer_list>

namespace fc {

const TestFigureCurves &testFigureCurves()
{
    static const TestFigureCurves kCurves{
        cfcUpCurve(),
        cfcDownCurve(),
        cfcControlCurve(),
        {{6.87, 0}, {0.51, 11.00}, {-4.00, 11.00}},
        {{4.00, 0}, {-0.92, 5.00}, {-4.00, 5.00}},
        // The dashed control VFC bends more gently than VFC-control elsewhere and
        // levels off half a litre higher.
        {{6.56, 0.31}, {2.38, 4.75}, {1.83, 5.30}, {0.94, 6.14}, {0.04, 6.98},
         {-0.92, 7.50}, {-3.95, 7.50}},
    };
    return kCurves;
}

const TestFigurePoint *findTestFigurePoint(std::string_view label)
{
    const auto found = std::find_if(kTestFigurePoints.begin(), kTestFigurePoints.end(),
                                    [label](const TestFigurePoint &p) { return p.label == label; });
    return found == kTestFigurePoints.end() ? nullptr : &*found;
}

namespace {

constexpr DashPattern kTestFigureDashes{32, 8, 4.5};

}  // namespace

Figure makeTest1()
{
    const TestFigureCurves &curves = testFigureCurves();
    const TextStyle arial21{Face::Arial, 21, true};
    const TextStyle arial27{Face::Arial, 27, true};
    const auto labelOf = [](const TestFigurePoint &p) {
        return QString::fromLatin1(p.label.data(), qsizetype(p.label.size()));
    };

    FigureBuilder b("test1", {94, 142, 764, 486}, Axes{kTestFrameCorner});
    b.frame().tickLabels().coTitle();

    std::vector<QPointF> vfcPath;
    for (const QPointF &p : curves.controlVfc)
        vfcPath.push_back(b.axes().toCanvas(p));
    addDashes(b, vfcPath, kTestFigureDashes);
    addDashes(b, sampleCurve(b.axes(), curves.controlCfc,
                             curveParameterAtCvp(curves.controlCfc, kDashedCfcFrom),
                             curveParameterAtCvp(curves.controlCfc, kDashedCfcTo)),
              kTestFigureDashes);

    b.circle({6.87, 0}, 10, colour::black).circle({2.15, 5.00}, 10, colour::black);
    b.patch(Patch::P1)
        .curve(curves.a, colour::red, 4)
        .patch(Patch::P2)
        .curve(curves.b, colour::blue, 4)
        .patch(Patch::P3);

    b.numberedMarker(testFigurePoint(TestPoint::S).centre, colour::paleYellow, 2)
        .numberedMarker(testFigurePoint(TestPoint::P2).centre, colour::white)
        .numberedMarker(testFigurePoint(TestPoint::P7).centre, colour::white);
    b.text("A", {6.10, 11.03}, arial27)
        .text(QT_TRANSLATE_NOOP("Figure", "Control"), {8.36, 7.19}, arial21)
        .text("B", {9.59, 3.78}, arial27)
        .text("2", testFigurePoint(TestPoint::P2).labelBaseline, arial21)
        .text("7", testFigurePoint(TestPoint::P7).labelBaseline, arial21);

    const auto polyline = [&b](const std::vector<QPointF> &axisPoints) {
        LineElement line{{}, {colour::black, 4}};
        for (const QPointF &p : axisPoints)
            line.points.push_back(b.axes().toCanvas(p));
        b.add(std::move(line));
    };
    polyline(curves.c);
    polyline(curves.d);
    b.text("C", {-3.15, 11.28}, arial27)
        .text(QT_TRANSLATE_NOOP("Figure", "Control"), {-3.33, 7.69}, arial21)
        .text("D", {-3.13, 5.28}, arial27);

    for (TestPoint id : {TestPoint::P1, TestPoint::P4, TestPoint::P6, TestPoint::P3,
                         TestPoint::P5, TestPoint::P8}) {
        const TestFigurePoint &p = testFigurePoint(id);
        b.numberedMarker(p.centre, colour::white).text(labelOf(p), p.labelBaseline, arial21);
    }
    b.text("S", testFigurePoint(TestPoint::S).labelBaseline, arial21);
    b.cvpTitle(CvpTitle::Left);

    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Practice test figure"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "The practice test's figure: three cardiac function curves and three vascular "
            "function curves on one graph. The cardiac curves are the dashed control curve, A "
            "in red (higher, levelling off near 11.4 l/min) and B in blue (lower, levelling "
            "off near 4.1 l/min); the vascular curves are the dashed control line, C (foot at "
            "the same mean circulatory pressure of 6.9 mmHg but much steeper, levelling off at "
            "11 l/min) and D (foot shifted left to 4 mmHg, levelling off at 5 l/min). S marks "
            "where the two control curves cross, at CVP about 2 mmHg and CO 5 l/min. The "
            "numbered circles mark the other crossings: 1 is A with D, 2 is A with the control "
            "VFC, 3 is A with C, 4 is the control CFC with D, 5 is the control CFC with C, 6 "
            "is B with D, 7 is B with the control VFC and 8 is B with C."));
    return std::move(b).build();
}

}  // namespace fc
