#include "reference/DrawnText.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

namespace fc {

namespace {

QAccessibleInterface *drawnTextFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fc::DrawnText") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StaticText);
    return nullptr;
}

}  // namespace

DrawnText::DrawnText(std::span<const char *const> lines, const QFont &font,
                     const QColor &colour, QWidget *parent)
    : QWidget(parent), m_lines(lines), m_colour(colour)
{
    static const bool installed = (QAccessible::installFactory(drawnTextFactory), true);
    Q_UNUSED(installed);
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Read aloud, the dot leaders and blanks that line the text up say nothing: a
    // leader becomes a colon after its term, a run of blanks one blank.
    static const QRegularExpression leader(QStringLiteral("\\s*\\.{3,}\\s*"));
    QStringList spoken;
    for (const char *text : m_lines) {
        const QString line =
            QString::fromLatin1(text).replace(leader, QStringLiteral(": ")).simplified();
        if (!line.isEmpty())
            spoken << line;
    }
    setAccessibleDescription(spoken.join(QLatin1Char('\n')));
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
