#pragma once

#include "figures/Figure.h"

#include <vector>

class QPainter;

namespace fc {

// Draws `figure` with the canvas origin at the painter's (0, 0), one canvas unit per
// painter unit. Callers scale the painter to fit.
void paintFigure(QPainter &painter, const Figure &figure);

// Where the dots of a row go: evenly from `from` to `to`, both ends included, as
// close to `spacing` apart as a whole number of gaps allows.
std::vector<QPointF> dotCentres(const DotRowElement &row);

}  // namespace fc
