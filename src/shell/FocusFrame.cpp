#include "shell/FocusFrame.h"

#include "shell/Zoom.h"

#include <QPainter>
#include <QWidget>

namespace fc {

void paintFocusFrame(QWidget *widget, const QColor &colour)
{
    QPainter painter(widget);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    paintZoomed(painter, widget->rect(), zoomFactor(widget),
                [&](const QRect &rect) { painter.drawRect(rect.adjusted(0, 0, -1, -1)); });
}

}  // namespace fc
