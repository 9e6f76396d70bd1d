#pragma once

#include "figures/Figure.h"

#include <QPainterPath>

#include <utility>
#include <vector>

namespace fc {

// A text element of a figure and the English text it was built from.
struct TranslatedLabel {
    std::size_t element;
    QString english;
};

// Keeps each translated label where its English text sits: a label whose ink would
// reach outside the canvas, or run into (or come within a few units of) an element the
// English text's ink keeps clear of, is drawn smaller (from the same baseline start) until it does neither. Small
// enough, it lies within the English text's ink, so a fit always exists.
void fitTranslatedLabels(Figure &figure, const std::vector<TranslatedLabel> &labels);

// The outline of a text element's ink on the canvas, rotation included, `clearance`
// canvas units wider on every side.
QPainterPath textOutline(const TextElement &element, double clearance = 0);

// What an element covers that a label must not run into: lines and curves by their
// stroke, the frame by its edge, texts by their outline; patches and fills are
// background.
QPainterPath coveredBy(const Element &element);

}  // namespace fc
