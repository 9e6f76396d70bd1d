#include "explorer/CurvesView.h"

#include "explorer/CurveFigure.h"
#include "figures/FigurePainter.h"
#include "figures/FigurePixmap.h"
#include "shell/AccessibleRole.h"

#include <QPaintEvent>
#include <QPainter>

namespace fc {

CurvesView::CurvesView(QWidget *parent) : QFrame(parent)
{
    presentAs<CurvesView, QAccessible::Graphic>();
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::white);
    setPalette(pal);
    // The kept layer covers the area inside the frame, and the frame's strip is filled
    // by hand: Qt need not fill the whole view first on every repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Cardiac and vascular function curves"));
}

void CurvesView::setCurves(Figure curves)
{
    m_curves = std::move(curves);
    update();
}

QTransform CurvesView::canvasToWidget() const
{
    const Figure &background = explorerBackground();
    const QPointF corner = background.canvas.topLeft();
    return QTransform::fromTranslate(-corner.x(), -corner.y())
           * fitted(background, contentsRect());
}

QSize CurvesView::sizeHint() const
{
    return explorerBackground().canvas.size().toSize();
}

QSize CurvesView::minimumSizeHint() const
{
    return sizeHint() / 2;
}

void CurvesView::paintEvent(QPaintEvent *event)
{
    {
        QPainter frame(this);
        frame.setClipRegion(event->region() - contentsRect());
        frame.fillRect(rect(), palette().color(QPalette::Window));
    }
    QFrame::paintEvent(event);
    // The fixed layer comes from its kept rendering; only the curves are painted.
    QPainter painter(this);
    painter.setClipRect(event->rect() & contentsRect());
    drawFigureFitted(painter, m_fixedLayer, explorerBackground(), contentsRect(),
                     palette().color(QPalette::Window));
    painter.setTransform(fitted(explorerBackground(), contentsRect()), true);
    paintFigure(painter, m_curves);
}

}  // namespace fc
