#include "shell/PageStyle.h"

#include "figures/Fonts.h"
#include "shell/Twips.h"
#include "shell/Zoom.h"

#include <QPainter>

#include <cmath>
#include <QWidget>

namespace fc {

QFont pageFont()
{
    return controlFont(Face::MsSansSerif, pointsToPixels(9.75), true);
}

QFont smallerFont(QFont font)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(font.pixelSize() - 1);
    else
        font.setPointSizeF(font.pointSizeF() - 0.75);
    return font;
}

void setColours(QWidget *widget, QPalette::ColorRole backgroundRole, const QColor &background,
                QPalette::ColorRole textRole, const QColor &text)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, backgroundRole, background);
        palette.setColor(group, textRole, text);
    }
    widget->setPalette(palette);
}

namespace {

// Relative luminance as the WCAG contrast ratio defines it.
double luminance(const QColor &colour)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
           + 0.0722 * channel(colour.blueF());
}

}  // namespace

QColor focusColourOn(const QColor &face)
{
    // Against black the ratio is (L + 0.05) / 0.05, against white 1.05 / (L + 0.05);
    // they are equal where L is about 0.179.
    return luminance(face) > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}

void paintFocusMark(QPainter &painter, const QRect &rect, const QColor &colour, double zoom,
                    int inset)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    paintZoomed(painter, rect, zoom, [&](const QRect &design) {
        painter.drawRect(design.adjusted(inset, inset, -inset - 1, -inset - 1));
    });
    painter.restore();
}

void paintFocusFrame(QWidget *widget, const QColor &colour)
{
    QPainter painter(widget);
    paintFocusMark(painter, widget->rect(), colour, zoomFactor(widget));
}

}  // namespace fc
