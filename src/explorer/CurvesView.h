#pragma once

#include "figures/Figure.h"
#include "figures/FigurePixmap.h"

#include <QFrame>

namespace fc {

// Shows the explorer's figure, its fixed layer under the curves of the moment, scaled
// up or down to fill the widget while keeping the canvas's proportions, and centred.
// The fixed layer is painted once per size and device pixel ratio and kept by the view,
// so a change of factors repaints only the curves over it.
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

private:
    Figure m_curves;
    KeptFigure m_fixedLayer;
};

}  // namespace fc
