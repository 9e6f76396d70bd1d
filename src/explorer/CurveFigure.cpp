#include "explorer/CurveFigure.h"

#include "figures/DashedPath.h"
#include "figures/Numbers.h"

#include <QCoreApplication>

#include <QStringList>

#include <algorithm>

namespace fc {

namespace {

const QRectF kCanvas{70, 102, 764, 494};  // that of the cardiac figures
constexpr double kRightCvp = 12;
constexpr double kCurveWidth = 8;

// The control curves: thin dashes, so the current curves drawn over them stay clear.
constexpr DashPattern kControlDashes{14, 9, 3};

constexpr double kMsfpMarker = 16;
const TextStyle kMsfpLabel{Face::Arial, 21, true, false, colour::blue};
constexpr double kMsfpLabelWidth = 1.9;  // "MSFP" at that size, in mmHg

// The part of segment a-b inside `plot` (Liang-Barsky); false when none is.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &plot)
{
    const QPointF d = b - a;
    double t0 = 0, t1 = 1;
    const double p[] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[] = {a.x() - plot.left(), plot.right() - a.x(), a.y() - plot.top(),
                        plot.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const QPointF start = a;
    a = start + d * t0;
    b = start + d * t1;
    return true;
}

// A polyline cut to the plot. The VFC leaves it at most once, over the top or past
// the right edge, so what is left is one piece.
std::vector<QPointF> clipToPlot(const std::vector<QPointF> &line)
{
    const QRectF plot = explorerPlot();
    std::vector<QPointF> inside;
    for (std::size_t i = 1; i < line.size(); ++i) {
        QPointF a = line[i - 1], b = line[i];
        if (!clipSegment(a, b, plot))
            continue;
        if (inside.empty() || inside.back() != a)
            inside.push_back(a);
        inside.push_back(b);
    }
    return inside;
}

std::vector<QPointF> toCanvas(const Axes &axes, const std::vector<QPointF> &axisPoints)
{
    std::vector<QPointF> points;
    for (QPointF p : axisPoints)
        points.push_back(axes.toCanvas(p));
    return points;
}


}  // namespace

QRectF explorerPlot()
{
    return QRectF(QPointF(kFrameLeftCvp, 0), QPointF(kRightCvp, kFrameTopCo));
}

const Figure &explorerBackground()
{
    static const Figure figure = [] {
        FigureBuilder b(QStringLiteral("explorer"), kCanvas);
        b.frame(kRightCvp).tickLabels().coTitle().cvpTitle(CvpTitle::Centre);
        // As the current CFC at control, continued flat to the frame.
        const CurveData &cfc = cfcControlCurve();
        std::vector<QPointF> cfcPath = sampleCurve(b.axes(), cfc, 0, double(cfc.segments.size()));
        cfcPath.push_back(b.at(kRightCvp, cfc.segments.back().end.y()));
        addDashes(b, cfcPath, kControlDashes);
        addDashes(b, toCanvas(b.axes(), vfcControlLine()), kControlDashes);
        return std::move(b).build();
    }();
    return figure;
}

Figure explorerCurves(const Factors &factors)
{
    FigureBuilder b(QStringLiteral("explorer"), kCanvas);

    // The CFC, continued flat to the frame where the mapped chain stops short of it.
    const CurveData cfc = cardiacFunctionCurve(factors);
    const QPointF cfcEnd = cfc.segments.back().end;
    if (cfc.start.x() > kFrameLeftCvp)
        b.line({{kFrameLeftCvp, cfc.start.y()}, cfc.start}, colour::red, kCurveWidth);
    if (cfcEnd.x() < kRightCvp)
        b.line({cfcEnd, {kRightCvp, cfcEnd.y()}}, colour::red, kCurveWidth);
    b.curve(cfc, colour::red, kCurveWidth);

    const std::vector<QPointF> vfc = clipToPlot(vascularFunctionLine(factors));
    if (vfc.size() >= 2)
        b.add(LineElement{toCanvas(b.axes(), vfc), Pen{colour::blue, kCurveWidth}});

    const double msfp = meanSystemicFillingPressure(factors);
    if (msfp <= kRightCvp) {
        b.pointMarker({msfp, 0}, colour::blue, kMsfpMarker);
        // Beside the marker, or before it where the frame ends.
        const double left = msfp + kMsfpLabelWidth + 0.3 <= kRightCvp ? msfp + 0.3
                                                                      : msfp - 0.3 - kMsfpLabelWidth;
        b.text(QStringLiteral("MSFP"), {left, 0.3}, kMsfpLabel);
    } else {
        b.arrowhead({kRightCvp - 1, 0}, {kRightCvp, 0}, colour::blue);
        b.text(QStringLiteral("MSFP"), {kRightCvp - 0.6 - kMsfpLabelWidth, 0.3}, kMsfpLabel);
    }

    // The operating point, or past the right edge an arrowhead at its height. Its CO
    // never exceeds the plot's.
    const OperatingPoint op = operatingPoint(factors);
    const bool onPlot = op.cvp <= kRightCvp;
    if (onPlot) {
        b.guideDown({op.cvp, op.co}).guideLeft({op.cvp, op.co});
        b.pointMarker({op.cvp, op.co}, colour::black);
    } else {
        b.arrowhead({kRightCvp - 1, op.co}, {kRightCvp, op.co});
    }

    const QString where =
        onPlot ? QCoreApplication::translate("fc::CurveFigure", "cross at")
               : QCoreApplication::translate("fc::CurveFigure",
                                             "cross beyond the right edge of the plot, at");
    b.describe(QCoreApplication::translate("fc::CurveFigure", "Curve explorer"),
               QCoreApplication::translate(
                   "fc::CurveFigure",
                   "The red cardiac function curve and the blue vascular function curve %1 "
                   "CVP %2 mmHg and CO %3 l/min, the operating point. The mean systemic "
                   "filling pressure, where the vascular function curve meets the CVP axis, "
                   "is %4 mmHg. The control curves are drawn thin and dashed in black.")
                   .arg(where, twoPlaces(op.cvp), twoPlaces(op.co), twoPlaces(msfp)));
    return std::move(b).build();
}

Figure explorerFigure(const Factors &factors)
{
    Figure figure = explorerCurves(factors);
    const Figure &background = explorerBackground();
    figure.elements.insert(figure.elements.begin(), background.elements.begin(),
                           background.elements.end());
    const OperatingPoint op = operatingPoint(factors);
    const QString mmHg = QStringLiteral("mmHg");
    figure.title =
        QCoreApplication::translate("fc::CurveFigure",
                                    "Contractility %1, stressed volume %2, venous compliance "
                                    "%3, TPR %4: CVP %5, CO %6, MSFP %7")
            .arg(percent(factors.contractility), percent(factors.bloodVolume),
                 percent(factors.venousCompliance), percent(factors.resistance),
                 withUnit(op.cvp, mmHg), withUnit(op.co, QStringLiteral("l/min")),
                 withUnit(meanSystemicFillingPressure(factors), mmHg));
    figure.description = QCoreApplication::translate("fc::CurveFigure", "The curve explorer at %1. %2")
                             .arg(figure.title, figure.description);
    return figure;
}

}  // namespace fc
