#pragma once

// The look the pages share: their font, their blues, how a control takes its colours
// and how the keyboard focus is marked.

#include <QColor>
#include <QFont>
#include <QPalette>

class QPainter;
class QRect;
class QWidget;

namespace fc {

namespace pageColour {
inline const QColor blue{0, 0, 255};
inline const QColor darkBlue{0, 0, 192};
}  // namespace pageColour

// MS Sans Serif, 9.75 pt, bold: the font of every page's controls and the instructions.
QFont pageFont();

// The next smaller font step: a pixel less, or three quarters of a point. A text that
// a translation makes too long for its place takes it as a last resort.
QFont smallerFont(QFont font);

// Gives `widget` its background and text colours, kept while it is read-only, inactive
// or unfocused.
void setColours(QWidget *widget, QPalette::ColorRole backgroundRole, const QColor &background,
                QPalette::ColorRole textRole, const QColor &text);

// Black or white, whichever stands out more against `face`.
QColor focusColourOn(const QColor &face);

// The one focus mark: a dotted rectangle `inset` pixels of the 100% design inside
// `rect`, drawn at `zoom` so that its dots keep their proportions.
void paintFocusMark(QPainter &painter, const QRect &rect, const QColor &colour,
                    double zoom = 1, int inset = 0);
// The mark over the outer edge of a focused control's frame, drawn after the frame, so
// the focus is seen on lists and text boxes whose colours the style's own marks do
// not show against.
void paintFocusFrame(QWidget *widget, const QColor &colour);

}  // namespace fc
