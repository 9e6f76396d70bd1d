#pragma once

#include "figures/Figure.h"
#include "figures/FigurePixmap.h"

#include <QWidget>

namespace fc {

// A figure scaled uniformly to fill the widget on white: the picture of a figure
// window. For assistive technology it is an image named and described after the
// figure.
class FigureImage : public QWidget {
    Q_OBJECT
public:
    explicit FigureImage(SharedFigure figure, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SharedFigure m_figure;
    KeptFigure m_rendering;
};

}  // namespace fc
