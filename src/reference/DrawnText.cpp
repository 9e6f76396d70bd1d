#include "reference/DrawnText.h"

#include "shell/AccessibleRole.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace fc {

namespace {

// A page of drawn text repaints every line on each show, activation and expose, and
// its layout asks for its size as often: the lines are shaped and measured once per
// font, then only drawn.
struct ShapedLines {
    std::vector<QList<QGlyphRun>> runs;  // each line's baseline at y = 0
    QSize sizeHint;
};

const ShapedLines &shapedLines(const QStringList &lines, const QFont &font)
{
    using Key = std::tuple<QStringList, QString>;
    static std::map<Key, ShapedLines> cache;
    const Key key{lines, font.key()};
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    ShapedLines shaped;
    const QFontMetricsF metrics(font);
    double width = 0;
    for (const QString &line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
        QTextLayout layout(line, font);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        layout.endLayout();
        textLine.setPosition(QPointF(0, -textLine.ascent()));
        shaped.runs.push_back(layout.glyphRuns());
    }
    shaped.sizeHint = QSizeF(width, metrics.height() * double(lines.size())).toSize();
    return cache.emplace(key, std::move(shaped)).first->second;
}

}  // namespace

DrawnText::DrawnText(std::span<const char *const> lines, const QFont &font, const QColor &colour,
                     QWidget *parent)
    : QWidget(parent), m_sources(lines), m_colour(colour)
{
    for (const char *text : lines)
        m_lines << QCoreApplication::translate("Reference", text);
    presentAs<DrawnText, QAccessible::StaticText>();
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Read aloud, the dot leaders and blanks that line the text up say nothing: a
    // leader becomes a colon after its term, a run of blanks one blank.
    static const QRegularExpression leader(QStringLiteral("\\s*\\.{3,}\\s*"));
    QStringList spoken;
    for (QString line : std::as_const(m_lines)) {
        line = line.replace(leader, QStringLiteral(": ")).simplified();
        if (!line.isEmpty())
            spoken << line;
    }
    setAccessibleDescription(spoken.join(QLatin1Char('\n')));
}

QString DrawnText::line(int index) const
{
    return m_lines[index];
}

double DrawnText::baseline(int index) const
{
    const QFontMetricsF metrics(font());
    return metrics.ascent() + index * metrics.height();
}

double DrawnText::drawnScale() const
{
    // A translation's longer lines are drawn smaller rather than cut at the window's
    // edge, or further than the English lines reach.
    const int wide = sizeHint().width();
    if (wide <= width() || width() <= 0)
        return 1;
    QStringList english;
    for (const char *text : m_sources)
        english << QString::fromLatin1(text);
    const int room = std::max(width(), shapedLines(english, font()).sizeHint.width());
    return wide > room ? double(room) / wide : 1;
}

QSize DrawnText::sizeHint() const
{
    return shapedLines(m_lines, font()).sizeHint;
}

void DrawnText::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    const ShapedLines &shaped = shapedLines(m_lines, font());
    if (const double scale = drawnScale(); scale < 1)
        painter.scale(scale, scale);
    for (int i = 0; i < lineCount(); ++i) {
        for (const QGlyphRun &run : shaped.runs[std::size_t(i)])
            painter.drawGlyphRun(QPointF(0, baseline(i)), run);
    }
}

}  // namespace fc

#include "moc_DrawnText.cpp"
