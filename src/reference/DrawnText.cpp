#include "reference/DrawnText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace fc {

DrawnText::DrawnText(std::span<const char *const> lines, const QFont &font,
                     const QColor &colour, QWidget *parent)
    : QWidget(parent), m_lines(lines), m_colour(colour)
{
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QString DrawnText::line(int index) const
{
    return QString::fromLatin1(m_lines[std::size_t(index)]);
}

double DrawnText::baseline(int index) const
{
    const QFontMetricsF metrics(font());
    return metrics.ascent() + index * metrics.height();
}

QSize DrawnText::sizeHint() const
{
    const QFontMetricsF metrics(font());
    double width = 0;
    for (const char *text : m_lines)
        width = std::max(width, metrics.horizontalAdvance(QString::fromLatin1(text)));
    return QSizeF(width, metrics.height() * double(m_lines.size())).toSize();
}

void DrawnText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.setFont(font());
    for (int i = 0; i < lineCount(); ++i)
        painter.drawText(QPointF(0, baseline(i)), line(i));
}

}  // namespace fc
