#include "figures/FigureImage.h"

#include "figures/Figure.h"
#include "figures/FigurePixmap.h"
#include "figures/PictureArea.h"
#include "shell/AccessibleRole.h"

#include <QPainter>

namespace fc {

FigureImage::FigureImage(const Figure &figure, QWidget *parent)
    : QWidget(parent), m_figure(figure)
{
    presentAs<FigureImage, QAccessible::Graphic>();
    setObjectName(QStringLiteral("figureImage"));
    setAccessibleName(figureTitle(&figure));
    setAccessibleDescription(figure.description);
    setFocusPolicy(Qt::StrongFocus);
}

void FigureImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigureFitted(painter, m_figure, rect(), colour::white);
}

}  // namespace fc
