#include "figures/DashedPath.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace fc {

namespace {

QPointF unitNormal(QPointF before, QPointF after)
{
    const QPointF d = unit(after - before);
    return {-d.y(), d.x()};
}

}  // namespace

std::vector<PolygonElement> dashesAlong(const std::vector<QPointF> &path, double length,
                                        double gap, double thickness, const QColor &colour)
{
    std::vector<PolygonElement> dashes;
    if (path.size() < 2 || length <= 0)
        return dashes;

    std::vector<double> along(path.size(), 0.0);
    for (size_t i = 1; i < path.size(); ++i)
        along[i] = along[i - 1] + QLineF(path[i - 1], path[i]).length();
    const double total = along.back();

    const auto pointAt = [&](double s) {
        const auto it = std::upper_bound(along.begin(), along.end(), s);
        const size_t i = std::clamp<size_t>(it - along.begin(), 1, path.size() - 1);
        const double span = along[i] - along[i - 1];
        const double f = span > 0 ? (s - along[i - 1]) / span : 0;
        return path[i - 1] + f * (path[i] - path[i - 1]);
    };

    constexpr double kEps = 1e-6;
    const double half = thickness / 2;
    for (double s0 = 0; s0 < total - kEps; s0 += length + gap) {
        const double s1 = std::min(s0 + length, total);
        std::vector<QPointF> spine{pointAt(s0)};
        for (size_t i = 0; i < path.size(); ++i) {
            if (along[i] > s0 + kEps && along[i] < s1 - kEps)
                spine.push_back(path[i]);
        }
        spine.push_back(pointAt(s1));

        PolygonElement dash{{}, colour};
        dash.points.resize(2 * spine.size());
        const size_t n = spine.size();
        for (size_t i = 0; i < n; ++i) {
            const QPointF normal =
                unitNormal(spine[i == 0 ? 0 : i - 1], spine[i + 1 == n ? i : i + 1]);
            dash.points[i] = spine[i] + half * normal;
            dash.points[2 * n - 1 - i] = spine[i] - half * normal;
        }
        dashes.push_back(std::move(dash));
    }
    return dashes;
}

std::vector<QPointF> sampleCurve(const Axes &axes, const CurveData &curve, double t0,
                                 double t1, int stepsPerSegment)
{
    const int steps = std::max(1, int(std::ceil((t1 - t0) * stepsPerSegment)));
    std::vector<QPointF> points;
    points.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i)
        points.push_back(axes.toCanvas(pointOnCurve(curve, t0 + (t1 - t0) * i / steps)));
    return points;
}

double curveParameterAtCvp(const CurveData &curve, double cvp)
{
    double lo = 0;
    double hi = double(curve.segments.size());
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (pointOnCurve(curve, mid).x() < cvp ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

void addDashes(FigureBuilder &b, const std::vector<QPointF> &path, const DashPattern &pattern)
{
    for (PolygonElement &dash :
         dashesAlong(path, pattern.length, pattern.gap, pattern.thickness, colour::black))
        b.add(std::move(dash));
}

}  // namespace fc
