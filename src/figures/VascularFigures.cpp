#include "figures/FigureCatalogue.h"
#include "figures/SharedElements.h"

#include <cmath>
#include <utility>

namespace fc {

namespace {

const QRectF kTallCanvas{70, 102, 764, 494};   // vfc1, vfc4
const QRectF kShortCanvas{70, 102, 764, 454};  // vfc2, vfc3

const TextStyle kRed27Bold{Face::Arial, 27, true, false, colour::red};
const TextStyle kBlue27Bold{Face::Arial, 27, true, false, colour::blue};

// Cubic from p0 to p1 leaving along `out0` and arriving along `in1` (unit vectors).
BezierSegment hermite(QPointF p0, QPointF out0, QPointF p1, QPointF in1)
{
    const double reach = 0.45 * std::hypot(p1.x() - p0.x(), p1.y() - p0.y());
    return {p0 + out0 * reach, p1 - in1 * reach, p1};
}

BezierSegment straight(QPointF p0, QPointF p1)
{
    return {p0 + (p1 - p0) / 3, p0 + (p1 - p0) * (2.0 / 3), p1};
}

// A curly brace beside a straight run of a curve: a hook from `hookStart` onto the
// first straight part (from `a` to `b`), a point at `tip` sticking out, the second
// straight part (from `c` to `d`) and a hook back to `hookEnd`. Axis units.
struct Brace {
    QPointF hookStart, a, b, tip, c, d, hookEnd;
};

CurveElement braceCurve(const FigureBuilder &builder, const Brace &brace, double width)
{
    const Axes &axes = builder.axes();
    const QPointF hs = axes.toCanvas(brace.hookStart), a = axes.toCanvas(brace.a),
                  b = axes.toCanvas(brace.b), tip = axes.toCanvas(brace.tip),
                  c = axes.toCanvas(brace.c), d = axes.toCanvas(brace.d),
                  he = axes.toCanvas(brace.hookEnd);
    const QPointF along = unit(b - a);
    // Outward: the side of the straight run that the tip sticks out to.
    QPointF outward{-along.y(), along.x()};
    if (QPointF::dotProduct(outward, tip - b) < 0)
        outward = -outward;
    return CurveElement{hs,
                        {
                            hermite(hs, outward, a, along),
                            straight(a, b),
                            hermite(b, along, tip, unit(along + outward)),
                            hermite(tip, unit(along - outward), c, along),
                            straight(c, d),
                            hermite(d, along, he, -outward),
                        },
                        Pen{colour::black, width}};
}

// The vascular function curve of this page: a slope from its foot, then flat.
constexpr QPointF kPageVfcFoot{6.87, 0};
constexpr QPointF kPageVfcBend{-0.51, 5.00};
constexpr QPointF kPageVfcFlatFrom{-0.51, 4.97};
constexpr QPointF kPageVfcFlatTo{-4.00, 4.97};

// Frame, labels, patches and inside axis title shared by vfc2 and vfc3.
void slopeFigureStart(FigureBuilder &b)
{
    b.frame().tickLabels().coTitle();
    b.patch(Patch::P1).patch(Patch::P2).patch(Patch::P3);
    b.cvpTitle(CvpTitle::Inside);
    b.line({kPageVfcFoot, kPageVfcBend}, colour::black, 8);
    b.circle(kPageVfcFoot, 16, colour::black);
    b.line({kPageVfcFlatFrom, kPageVfcFlatTo}, colour::black, 8);
}

void cfcForReference(FigureBuilder &b)
{
    b.cfcControl(colour::black, 11);
    b.patch(Patch::P4);
    b.text(QT_TRANSLATE_NOOP("Figure", "CFC"), {8.85, 7.06}, kArial27Bold);
}

}  // namespace

Figure makeVfc1()
{
    FigureBuilder b(QStringLiteral("vfc1"), kTallCanvas);
    b.frame().tickLabels().coTitle();
    b.patch(Patch::P1).patch(Patch::P2).patch(Patch::P3);
    b.cvpTitle(CvpTitle::Centre);
    b.line({kPageVfcFoot, kPageVfcBend}, colour::black, 8);
    b.line({kPageVfcFlatFrom, kPageVfcFlatTo}, colour::black, 8);
    b.regionNumber(1, {6.51, -0.88});
    b.regionNumber(2, {3.64, 3.38});
    b.regionNumber(3, {-0.87, 3.88});
    b.regionNumber(4, {-2.51, 5.88});
    b.add(braceCurve(b,
                     {{-0.28, 5.22}, {0.49, 5.16}, {2.90, 3.50}, {3.69, 3.47}, {4.13, 2.66},
                      {6.54, 1.00}, {6.97, 0.22}},
                     3));
    b.add(braceCurve(b,
                     {{-3.79, 5.25}, {-3.51, 5.50}, {-2.44, 5.50}, {-2.15, 5.75}, {-1.87, 5.50},
                      {-0.79, 5.50}, {-0.51, 5.25}},
                     3));
    b.headingText(QT_TRANSLATE_NOOP("Figure", "A Vascular Function Curve (VFC)"), {-1.69, 11.03},
                  kArial27Bold);
    b.headingText(QT_TRANSLATE_NOOP("Figure", "has four important basic regions "), {-1.69, 10.03},
                  kArial27Bold);
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Vascular function curve and its four regions"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "A vascular function curve: venous return against central venous pressure (CVP), "
            "drawn as a black line. "
            "From its foot on the CVP axis at about 6.9 mmHg, the mean circulatory pressure, "
            "it rises in a straight slope to the left up to 5 l/min at a CVP of about -0.5 mmHg "
            "and then runs flat to the left edge. "
            "Four numbered regions are marked with black circled numbers: 1 just under the "
            "foot, 2 beside the sloping part, 3 under the bend and 4 above the flat part; "
            "curly braces span the sloping part and the flat part. "
            "The title reads \"A Vascular Function Curve (VFC) has four important basic "
            "regions\"."));
    return std::move(b).build();
}

Figure makeVfc4()
{
    FigureBuilder b(QStringLiteral("vfc4"), kTallCanvas);
    b.frame().tickLabels().coTitle();
    const std::vector<QPointF> &vfc = vfcControlLine();
    b.line({vfc[1], vfc[2], vfc[3]}, colour::black, 11);
    b.cfcControl(colour::black, 11);
    b.guideDown({2.15, 4.50}).guideLeft({2.15, 5.00});
    b.text(QT_TRANSLATE_NOOP("Figure", "Operating"), {6.41, 4.66}, kArialBlack27);
    b.text(QT_TRANSLATE_NOOP("Figure", "Point"), {7.28, 3.66}, kArialBlack27);
    b.arrow({6.26, 5.00}, {2.77, 5.00}, 4);
    b.line({vfc[0], vfc[1]}, colour::black, 11);
    b.circle(vfc[0], 20, colour::black);
    b.circle(vfc[1], 20, colour::black);
    b.cvpTitle(CvpTitle::CentreSplit);
    b.cardiacCurveLabel();
    b.text(QT_TRANSLATE_NOOP("Figure", "Vascular"), {-3.13, 10.31}, kArialBlack27);
    b.text(QT_TRANSLATE_NOOP("Figure", "Function"), {-3.10, 9.31}, kArialBlack27);
    b.text(QT_TRANSLATE_NOOP("Figure", "Curve"), {-2.56, 8.31}, kArialBlack27);
    b.arrow({6.46, 8.75}, {6.05, 7.75}, 4);
    b.arrow({-0.31, 8.25}, {0.10, 7.25}, 4);
    b.regionNumber(1, {6.51, -1.12});
    b.regionNumber(2, {3.64, 1.88});
    b.regionNumber(3, {-0.46, 6.12});
    b.patch(Patch::P1);
    b.regionNumber(4, {-3.13, 6.12});
    b.circle({2.17, 4.95}, 19, colour::paleYellow, Pen{colour::black, 3});
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Control vascular and cardiac function curves"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "The control vascular function curve and the control cardiac function curve, both "
            "thick black, drawn on the same axes. "
            "The vascular curve runs flat at 7 l/min on the left and falls to its foot on the "
            "CVP axis at about 6.9 mmHg, marked by a black dot; the cardiac curve rises from "
            "the lower left to a plateau at about 7.5 l/min. "
            "They cross at the operating point, a CVP of about 2 mmHg and a CO of 5 l/min, "
            "marked by a pale-yellow circle, with dotted arrows down to the CVP axis and left "
            "to the CO axis and an arrow from the words \"Operating Point\". "
            "Labels name the \"Cardiac Function Curve\" at the upper right and the \"Vascular "
            "Function Curve\" at the upper left, and circled region numbers 1 to 4 sit along "
            "the vascular curve."));
    return std::move(b).build();
}

Figure makeVfc2()
{
    FigureBuilder b(QStringLiteral("vfc2"), kShortCanvas);
    slopeFigureStart(b);
    b.line({{8.72, 0}, {-0.51, 6.25}}, colour::red, 8);
    b.circle({8.72, 0}, 16, colour::red);
    b.line({{-0.51, 6.25}, {-4.00, 6.25}}, colour::red, 8);
    b.line({{4.82, 0}, {-0.51, 3.75}}, colour::blue, 8);
    b.circle({4.82, 0}, 16, colour::blue);
    b.line({{-0.51, 3.75}, {-4.00, 3.75}}, colour::blue, 8);
    cfcForReference(b);
    b.headingText(QT_TRANSLATE_NOOP("Figure", "Three different VFC and one CFC for reference"),
                  {-3.54, 10.78}, kArial27Bold);
    b.text("A", {-3.59, 6.50}, kRed27Bold);
    b.text("B", {-3.54, 5.28}, kArial27Bold);
    b.text("C", {-3.54, 4.03}, kBlue27Bold);
    b.text("c         b        a", {4.67, -0.97}, kArial27Bold);
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Vascular function curves shifted in parallel"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "Three parallel vascular function curves with one cardiac function curve for "
            "reference. "
            "The curves share the same slope but meet the CVP axis at different points, each "
            "marked by a dot in its colour and a letter under the axis: blue curve C at about "
            "4.8 mmHg, levelling off at 3.75 l/min; black curve B, the control, at about "
            "6.9 mmHg, levelling off at 5 l/min; red curve A at about 8.7 mmHg, levelling off "
            "at 6.25 l/min. "
            "The black cardiac function curve, labelled CFC, rises across all three. "
            "The title reads \"Three different VFC and one CFC for reference\"."));
    return std::move(b).build();
}

Figure makeVfc3()
{
    FigureBuilder b(QStringLiteral("vfc3"), kShortCanvas);
    slopeFigureStart(b);
    b.line({{6.82, 0.12}, {-0.56, 8.72}}, colour::red, 8);
    b.line({{6.77, 0.16}, {-0.59, 2.69}}, colour::blue, 8);
    cfcForReference(b);
    b.headingText(QT_TRANSLATE_NOOP("Figure", "Slope of Region 2 depends on TPR"), {-1.49, 11.03},
                  kArial27Bold);
    b.text("A", {-1.28, 8.53}, kRed27Bold);
    b.text("B", {-3.54, 5.28}, kArial27Bold);
    b.text("C", {-1.28, 2.53}, kBlue27Bold);
    b.text(QT_TRANSLATE_NOOP("Figure", "Vasodilation"), {0.15, 8.44}, kArial21Bold);
    b.text(QT_TRANSLATE_NOOP("Figure", "Vasoconstriction"), {-0.67, 0.44}, kArial21Bold);
    b.curvedArrow({0.13, 0.97}, {1.13, 1.72}, 3);
    b.curvedArrow({1.33, 8.25}, {0.69, 7.53}, 3);
    b.regionNumber(2, {2.41, 3.12});
    b.describe(
        QT_TRANSLATE_NOOP("Figure", "Vascular function curves of different slope"),
        QT_TRANSLATE_NOOP(
            "Figure",
            "Three vascular function curves that share the same foot on the CVP axis, at about "
            "6.9 mmHg, but differ in slope. "
            "The black control curve B rises to 5 l/min and then runs flat; the red curve A "
            "rises more steeply, to about 8.7 l/min at a CVP of about -0.6 mmHg, and is labelled "
            "vasodilation; the blue curve C rises less steeply, to only about 2.7 l/min, and is "
            "labelled vasoconstriction. "
            "The black cardiac function curve, labelled CFC, is drawn for reference, and the "
            "circled number 2 marks the sloping region. "
            "The title reads \"Slope of Region 2 depends on TPR\"."));
    return std::move(b).build();
}

}  // namespace fc
