#pragma once

class QWidget;
class QColor;

namespace fc {

// Draws a dotted rectangle over the outer edge of a focused control's frame, so the
// keyboard focus is seen on lists and text boxes whose colours the style's own focus
// marks do not show against. Call it after the frame has been painted.
void paintFocusFrame(QWidget *widget, const QColor &colour);

}  // namespace fc
