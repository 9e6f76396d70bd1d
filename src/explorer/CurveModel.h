#pragma once

// The curve explorer's model: the cardiac and vascular function curves for four
// factors, each in percent of its control value, and the operating point where they
// cross. Plain data and functions; the window is Explorer.h.
//
// At control both curves are the figures' own CFC-control and VFC-control.
// - Contractility maps CFC-control by CO = s * CFC-control(b + c * CVP). The module's
//   increased- and decreased-contractility curves are the ones at 200% and 50%; each
//   of ln s, b and ln c is the quadratic in ln(contractility) through 0 at control and
//   the values fitted to those two curves.
// - Venous return is (MSFP - CVP) / RVR, read off VFC-control: its sloped part is
//   shifted with MSFP and its flow scaled by RVR0 / RVR; below the collapse pressure
//   (where VFC-control levels off) it stays flat, and above MSFP it is zero.
// - MSFP is proportional to stressed volume over venous compliance, RVR to total
//   peripheral resistance.

#include "figures/SharedElements.h"

#include <vector>

namespace fc {

struct Factors {
    double contractility = 100;
    double bloodVolume = 100;  // the stressed volume, which fills the veins
    double venousCompliance = 100;
    double resistance = 100;  // total peripheral resistance

    friend bool operator==(const Factors &, const Factors &) = default;
};

struct OperatingPoint {
    double cvp = 0;  // mmHg
    double co = 0;   // l/min
};

// CO = coScale * CFC-control(cvpOffset + cvpScale * CVP).
struct CfcTransform {
    double coScale = 1;
    double cvpOffset = 0;
    double cvpScale = 1;
};

CfcTransform cfcTransform(double contractility);

// Where VFC-control levels off: veins collapse below it.
double collapsePressure();

double meanSystemicFillingPressure(const Factors &factors);
// The cardiac function curve. The hand-drawn plateau of CFC-control dips by up to
// 0.05 l/min; the model reads the curve as never falling, so that more filling never
// lowers CO.
double cardiacOutput(const Factors &factors, double cvp);
double venousReturn(const Factors &factors, double cvp);
// The crossing of the two curves, to within 1e-9 mmHg. There is exactly one: the
// CFC rises and the VFC does not.
OperatingPoint operatingPoint(const Factors &factors);

// The curves as drawn, in axis units: CFC-control's Bézier chain mapped (exact, as
// the mapping is affine), and the VFC's vertices from MSFP leftwards to CVP -4.
CurveData cardiacFunctionCurve(const Factors &factors);
std::vector<QPointF> vascularFunctionLine(const Factors &factors);

}  // namespace fc
