#include "shell/WheelZoomFilter.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

namespace fc {

namespace {

// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;

}  // namespace

WheelZoomFilter::WheelZoomFilter(IsZoomed isZoomed, Step step, QObject *parent)
    : QObject(parent), m_isZoomed(std::move(isZoomed)), m_step(std::move(step))
{
    qApp->installEventFilter(this);
}

WheelZoomFilter::~WheelZoomFilter()
{
    qApp->removeEventFilter(this);
}

bool WheelZoomFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return false;
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    QWidget *window = static_cast<QWidget *>(watched)->window();
    if (!m_isZoomed(window))
        return false;
    m_travel += wheel->angleDelta().y();
    const int steps = m_travel / kWheelNotch;
    m_travel %= kWheelNotch;
    m_step(steps, window);
    return true;
}

}  // namespace fc
