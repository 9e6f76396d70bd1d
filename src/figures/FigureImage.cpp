#include "figures/FigureImage.h"

#include "figures/Figure.h"
#include "figures/FigurePixmap.h"
#include "figures/PictureArea.h"
#include "shell/AccessibleRole.h"

#include <QPainter>

namespace fc {

FigureImage::FigureImage(SharedFigure figure, QWidget *parent)
    : QWidget(parent), m_figure(std::move(figure))
{
    presentAs<FigureImage, QAccessible::Graphic>();
    setObjectName(QStringLiteral("figureImage"));
    setAccessibleName(figureTitle(m_figure.get()));
    setAccessibleDescription(m_figure->description);
    setFocusPolicy(Qt::StrongFocus);
}

void FigureImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigureFitted(painter, m_rendering, *m_figure, rect(), colour::white);
}

}  // namespace fc

#include "moc_FigureImage.cpp"
