#pragma once

#include "figures/Figure.h"
#include "figures/FigureCommands.h"
#include "figures/FigurePixmap.h"

#include <QFrame>

namespace fc {

// Shows the explorer's figure, its fixed layer under the curves of the moment, scaled
// up or down to fill the widget while keeping the canvas's proportions, and centred.
// The fixed layer is painted once per size and device pixel ratio and kept by the view,
// so a change of factors repaints only the curves over it.
// For assistive technology it is a graphic described after the curves on view. Like
// every figure it can be copied, saved and printed, from its context menu or by keys
// while it has the focus.
class CurvesView : public QFrame {
    Q_OBJECT
public:
    explicit CurvesView(QWidget *parent = nullptr);

    void setCurves(Figure curves);
    // What Copy, Save As… and Print… take: the whole figure on view when chosen.
    void setFigureCommands(const FigureSource &figure);
    const Figure &curves() const { return m_curves; }

    // Canvas units to widget pixels, as painted.
    QTransform canvasToWidget() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    Figure m_curves;
    FigureSource m_figure;
    KeptFigure m_fixedLayer;
};

}  // namespace fc
