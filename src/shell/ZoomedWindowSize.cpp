#include "shell/ZoomedWindowSize.h"

#include "shell/TopLevel.h"
#include "shell/Zoom.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace fc {

ZoomedWindowSize::ZoomedWindowSize(QWidget *window, WindowSizing sizing)
    : m_window(window), m_sizing(sizing), m_base(window->size())
{
}

QSize ZoomedWindowSize::at(double zoom) const
{
    if (m_sizing == WindowSizing::GrowsWithZoom)
        zoom = std::max(zoom, 1.0);
    return {zoomed(m_base.width(), zoom), zoomed(m_base.height(), zoom)};
}

void ZoomedWindowSize::apply(double zoom) const
{
    if (m_sizing == WindowSizing::Kept)
        return;
    const QRect available = m_window->screen()->availableGeometry();
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    const QSize size = at(zoom).boundedTo(available.size() - frame);
    if (m_window->isVisible())
        resizeCentred(m_window, size);
    else
        m_window->resize(size);
}

}  // namespace fc
