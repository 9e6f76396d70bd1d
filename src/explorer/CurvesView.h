#pragma once

#include "figures/Figure.h"

#include <QFrame>
#include <QPixmap>

namespace fc {

// Shows the explorer's figure, its fixed layer under the curves of the moment, scaled
// up or down to fill the widget while keeping the canvas's proportions, and centred.
// The fixed layer is painted once per size, so a change of factors repaints only the
// curves over it.
// For assistive technology it is a graphic described after the curves on view.
class CurvesView : public QFrame {
    Q_OBJECT
public:
    explicit CurvesView(QWidget *parent = nullptr);

    void setCurves(Figure curves);
    const Figure &curves() const { return m_curves; }

    // Canvas units to widget pixels, as painted.
    QTransform canvasToWidget() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Where the canvas's top-left corner goes and how far it is scaled.
    QTransform placement() const;

    Figure m_curves;
    QPixmap m_background;  // the fixed layer over the contents rectangle; null: to paint
};

}  // namespace fc
