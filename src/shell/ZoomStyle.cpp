#include "shell/ZoomStyle.h"

#include "shell/ProgramStyle.h"
#include "shell/Zoom.h"

#include <QStyleFactory>
#include <QStyleOption>

namespace fc {

ZoomStyle::ZoomStyle() : QProxyStyle(QStyleFactory::create(ProgramStyle::desktopStyleName())) {}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const
{
    const int length = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_DefaultFrameWidth:
    case PM_FocusFrameHMargin:
    case PM_FocusFrameVMargin:
        return zoomed(length, m_zoom);
    default:
        return length;
    }
}

void ZoomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_Frame: drawAtBase<QStyleOptionFrame>(element, option, painter, widget); break;
    case PE_FrameFocusRect:
        drawAtBase<QStyleOptionFocusRect>(element, option, painter, widget);
        break;
    default: QProxyStyle::drawPrimitive(element, option, painter, widget); break;
    }
}

template <typename Option>
void ZoomStyle::drawAtBase(PrimitiveElement element, const QStyleOption *option,
                           QPainter *painter, const QWidget *widget) const
{
    const auto *typed = qstyleoption_cast<const Option *>(option);
    if (!typed) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    paintZoomed(*painter, option->rect, m_zoom, [&](const QRect &base) {
        Option copy(*typed);
        copy.rect = base;
        QProxyStyle::drawPrimitive(element, &copy, painter, widget);
    });
}

}  // namespace fc
