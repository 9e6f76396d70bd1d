#include "figures/PictureArea.h"

#include "figures/Figure.h"
#include "figures/FigurePainter.h"

#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace fc {

PictureArea::PictureArea(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    // An overlay sits on its container's top-left corner and covers it.
    if (auto *container = qobject_cast<PictureArea *>(parent))
        setGeometry(container->rect());
}

void PictureArea::setFigure(const Figure *figure)
{
    if (m_figure == figure)
        return;
    m_figure = figure;
    updateGeometry();
    update();
}

void PictureArea::setBackground(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

QColor PictureArea::background() const
{
    return palette().color(QPalette::Window);
}

double PictureArea::figureScale() const
{
    if (!m_figure || m_figure->canvas.isEmpty())
        return 1.0;
    const QRect area = contentsRect();
    const double scale = std::min(area.width() / m_figure->canvas.width(),
                                  area.height() / m_figure->canvas.height());
    return std::clamp(scale, 0.0, 1.0);
}

QSize PictureArea::sizeHint() const
{
    if (!m_figure)
        return QFrame::sizeHint();
    const QMargins margins = contentsMargins();
    return m_figure->canvas.size().toSize()
           + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!m_figure)
        return;
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    const double scale = figureScale();
    painter.scale(scale, scale);
    paintFigure(painter, *m_figure);
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const auto overlays = findChildren<PictureArea *>(Qt::FindDirectChildrenOnly);
    for (PictureArea *overlay : overlays)
        overlay->setGeometry(rect());
}

}  // namespace fc
