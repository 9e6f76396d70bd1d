#pragma once

// The explorer's figure in the module's visual language, as two layers on one canvas:
// what never changes (frame, tick labels, axis titles and the control curves, thin and
// dashed) and what follows the factors (the current CFC in red and VFC in blue, the
// operating point with dotted guides to both axes, and MSFP marked on the CVP axis).

#include "explorer/CurveModel.h"
#include "figures/Figure.h"

namespace fc {

const Figure &explorerBackground();
Figure explorerCurves(const Factors &factors);

// Both layers as one figure, as it goes out of the program: named after the factors
// and the operating point they give.
Figure explorerFigure(const Factors &factors);

// The plot inside the frame, in axis units: CVP -4 to 12, CO 0 to 12.25.
QRectF explorerPlot();

}  // namespace fc
