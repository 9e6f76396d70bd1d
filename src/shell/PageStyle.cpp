#include "shell/FocusFrame.h"

#include <QPainter>
#include <QWidget>

namespace fc {

void paintFocusFrame(QWidget *widget, const QColor &colour)
{
    QPainter painter(widget);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
}

}  // namespace fc
