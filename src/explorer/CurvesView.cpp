#include "explorer/CurvesView.h"

#include "explorer/CurveFigure.h"
#include "figures/FigurePainter.h"
#include "figures/FigurePixmap.h"
#include "shell/AccessibleRole.h"

#include <QContextMenuEvent>
#include <QMenu>
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
    setAccessibleName(tr("Cardiac and vascular function curves"));
}

void CurvesView::setFigureCommands(const FigureSource &figure)
{
    m_figure = figure;
    setFocusPolicy(Qt::StrongFocus);
    addFigureActions(this, figure, this, true);
    // The keys are the figure's while it has the focus; elsewhere in the window
    // Ctrl+C copies the text of the control that has it.
    for (QAction *action : actions())
        action->setShortcutContext(Qt::WidgetShortcut);
}

void CurvesView::keyPressEvent(QKeyEvent *event)
{
    if (!m_figure || !sendContextMenuKey(this, event))
        QFrame::keyPressEvent(event);
}

void CurvesView::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_figure)
        figureMenu(this, m_figure)->popup(menuPosition(this, event));
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

#include "moc_CurvesView.cpp"
