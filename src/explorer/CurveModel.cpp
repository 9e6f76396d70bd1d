#include "explorer/CurveModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fc {

namespace {

// Least-squares fits of the mapping to the module's contractility curves, sampled
// along their whole length. cfcUp is matched to within 0.18 l/min (RMS 0.07; within
// 0.05 l/min from CVP -2 on, the rest being the hand-drawn wobble of its foot),
// cfcDown to within 0.10 l/min (RMS 0.05).
constexpr double kDoubled = 2.0;  // cfcUp
constexpr CfcTransform kAtDoubled{1.5105, 0.7617, 1.2247};
constexpr CfcTransform kAtHalved{0.5509, -0.8762, 0.9391};  // cfcDown

// The quadratic in x = ln(contractility / 100) through (0, 0), (-h, atHalved) and
// (h, atDoubled), h = ln 2.
double throughFits(double x, double atHalved, double atDoubled)
{
    const double h = std::log(kDoubled);
    return (atDoubled * x * (x + h) + atHalved * x * (x - h)) / (2 * h * h);
}

// CFC-control sampled finely along its chain, with the running maximum of CO.
struct SampledCfc {
    std::vector<double> cvp;
    std::vector<double> co;

    SampledCfc()
    {
        constexpr int kStepsPerSegment = 256;
        const CurveData &curve = cfcControlCurve();
        const int steps = int(curve.segments.size()) * kStepsPerSegment;
        double highest = 0;
        for (int i = 0; i <= steps; ++i) {
            const QPointF p = pointOnCurve(curve, double(i) / kStepsPerSegment);
            highest = std::max(highest, p.y());
            cvp.push_back(p.x());
            co.push_back(highest);
        }
    }

    // Flat beyond either end of the drawn curve.
    double at(double x) const
    {
        if (x <= cvp.front())
            return co.front();
        if (x >= cvp.back())
            return co.back();
        const auto i = std::size_t(std::upper_bound(cvp.begin(), cvp.end(), x) - cvp.begin());
        const double f = (x - cvp[i - 1]) / (cvp[i] - cvp[i - 1]);
        return co[i - 1] + f * (co[i] - co[i - 1]);
    }
};

const SampledCfc &sampledCfc()
{
    static const SampledCfc sampled;
    return sampled;
}

// VFC-control's foot, the operating point and the bend, as driving pressure
// (MSFP - CVP) against flow.
struct VfcProfile {
    double msfp;
    double drive[3];
    double flow[3];
};

const VfcProfile &controlProfile()
{
    static const VfcProfile profile = [] {
        const std::vector<QPointF> &line = vfcControlLine();
        VfcProfile p{line[0].x(), {}, {}};
        for (int i = 0; i < 3; ++i) {
            p.drive[i] = p.msfp - line[std::size_t(i)].x();
            p.flow[i] = line[std::size_t(i)].y();
        }
        return p;
    }();
    return profile;
}

// Flow of VFC-control at a driving pressure, the last sloped segment continued past
// the bend.
double controlFlow(double drive)
{
    const VfcProfile &p = controlProfile();
    if (drive <= 0)
        return 0;
    const int i = drive <= p.drive[1] ? 0 : 1;
    return p.flow[i]
           + (drive - p.drive[i]) * (p.flow[i + 1] - p.flow[i]) / (p.drive[i + 1] - p.drive[i]);
}

double flowScale(const Factors &factors)
{
    return 100.0 / factors.resistance;  // RVR0 / RVR
}

}  // namespace

CfcTransform cfcTransform(double contractility)
{
    const double x = std::log(contractility / 100.0);
    return {std::exp(throughFits(x, std::log(kAtHalved.coScale), std::log(kAtDoubled.coScale))),
            throughFits(x, kAtHalved.cvpOffset, kAtDoubled.cvpOffset),
            std::exp(throughFits(x, std::log(kAtHalved.cvpScale), std::log(kAtDoubled.cvpScale)))};
}

double collapsePressure()
{
    return vfcControlLine()[2].x();
}

double meanSystemicFillingPressure(const Factors &factors)
{
    return controlProfile().msfp * factors.bloodVolume / factors.venousCompliance;
}

double cardiacOutput(const Factors &factors, double cvp)
{
    const CfcTransform t = cfcTransform(factors.contractility);
    return t.coScale * sampledCfc().at(t.cvpOffset + t.cvpScale * cvp);
}

double venousReturn(const Factors &factors, double cvp)
{
    const double drive = meanSystemicFillingPressure(factors) - std::max(cvp, collapsePressure());
    return flowScale(factors) * controlFlow(drive);
}

OperatingPoint operatingPoint(const Factors &factors)
{
    // Below the crossing the VFC lies above the CFC. At CVP -4 the CFC is at its foot
    // (under 0.6 l/min for every setting in range) and the VFC on its plateau (over
    // 1 l/min); at MSFP the VFC is zero.
    const CfcTransform t = cfcTransform(factors.contractility);
    const SampledCfc &cfc = sampledCfc();
    const auto below = [&](double cvp) {
        return t.coScale * cfc.at(t.cvpOffset + t.cvpScale * cvp) < venousReturn(factors, cvp);
    };
    double lo = vfcControlLine().back().x();
    double hi = meanSystemicFillingPressure(factors);
    while (hi - lo > 1e-9) {
        const double mid = (lo + hi) / 2;
        (below(mid) ? lo : hi) = mid;
    }
    const double cvp = (lo + hi) / 2;
    return {cvp, venousReturn(factors, cvp)};
}

CurveData cardiacFunctionCurve(const Factors &factors)
{
    const CfcTransform t = cfcTransform(factors.contractility);
    const auto map = [&t](QPointF p) {
        return QPointF((p.x() - t.cvpOffset) / t.cvpScale, t.coScale * p.y());
    };
    const CurveData &control = cfcControlCurve();
    CurveData curve{map(control.start), {}};
    for (const BezierSegment &s : control.segments)
        curve.segments.push_back({map(s.control1), map(s.control2), map(s.end)});
    return curve;
}

std::vector<QPointF> vascularFunctionLine(const Factors &factors)
{
    const std::vector<QPointF> &control = vfcControlLine();
    const double shift = meanSystemicFillingPressure(factors) - controlProfile().msfp;
    const double scale = flowScale(factors);
    const double collapse = collapsePressure();
    std::vector<QPointF> line;
    for (std::size_t i = 0; i < 2; ++i) {
        const QPointF p(control[i].x() + shift, control[i].y() * scale);
        if (p.x() > collapse)
            line.push_back(p);
    }
    // The bend, where the shifted sloped part meets the plateau, or the collapse
    // pressure if that comes first.
    const double plateau = venousReturn(factors, collapse);
    const double bend = std::max(collapse, control[2].x() + shift);
    line.push_back({bend, bend > collapse ? control[2].y() * scale : plateau});
    if (bend > collapse)
        line.push_back({collapse, plateau});
    line.push_back({control.back().x(), plateau});
    return line;
}

}  // namespace fc
