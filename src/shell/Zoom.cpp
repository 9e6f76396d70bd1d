#include "shell/Zoom.h"

#include "shell/WheelZoomFilter.h"
#include "shell/ZoomStyle.h"
#include "shell/ZoomedWindow.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace fc {

namespace {

Zoom *g_current = nullptr;

}  // namespace

Zoom::Zoom() : m_step(zoomStepOf(100)), m_start(m_step)
{
    g_current = this;
    m_wheel = std::make_unique<WheelZoomFilter>(
        [this](const QWidget *window) { return isZoomed(window); },
        [this](int steps, QWidget *window) { step(steps, window); });
}

Zoom::~Zoom()
{
    if (g_current == this)
        g_current = nullptr;
}

Zoom *Zoom::current()
{
    return g_current;
}

void Zoom::setStartPercent(int percent)
{
    const std::size_t start = zoomStepOf(percent);
    if (start == kZoomStepCount)
        return;
    m_start = start;
    setStep(start, nullptr, {});
}

void Zoom::zoomIn()
{
    step(1, QApplication::activeWindow());
}

void Zoom::zoomOut()
{
    step(-1, QApplication::activeWindow());
}

void Zoom::reset()
{
    // Below 100%, the student is told why the pages start smaller.
    const QString level = startPercent() < 100 ? tr("Zoom %1% (fits this screen)")
                                               : tr("Zoom %1%");
    setStep(m_start, QApplication::activeWindow(), level.arg(startPercent()));
}

void Zoom::step(int steps, QWidget *shownOn)
{
    if (steps == 0)
        return;
    const int target = std::clamp(int(m_step) + steps, 0, int(kZoomStepCount) - 1);
    QString level = tr("Zoom %1%");
    // A step past either end shows where the zoom stopped.
    if (target != int(m_step) + steps)
        level = steps > 0 ? tr("Zoom %1% (largest)") : tr("Zoom %1% (smallest)");
    setStep(std::size_t(target), shownOn, level.arg(kZoomSteps[target]));
}

void Zoom::attach(QWidget *window, QWidget *client, WindowSizing sizing)
{
    auto *zoomed = new ZoomedWindow(window, client, sizing);
    connect(zoomed, &ZoomedWindow::zoomIn, this, &Zoom::zoomIn);
    connect(zoomed, &ZoomedWindow::zoomOut, this, &Zoom::zoomOut);
    connect(zoomed, &ZoomedWindow::reset, this, &Zoom::reset);
    zoomed->enableSteps(m_step > 0, m_step + 1 < kZoomStepCount);
    std::erase_if(m_windows, [](const QPointer<ZoomedWindow> &w) { return w.isNull(); });
    m_windows.push_back(zoomed);
    // A window opened later opens at the current zoom.
    if (percent() != 100)
        zoomed->apply(percent() / 100.0, m_style.get());
    else
        zoomed->makeRoom(1.0);
}

void Zoom::setStep(std::size_t step, QWidget *shownOn, const QString &level)
{
    const bool moved = step != m_step;
    m_step = step;
    const double zoom = percent() / 100.0;
    QStyle *style = nullptr;
    if (percent() != 100) {
        if (!m_style)
            m_style = std::make_unique<ZoomStyle>();
        m_style->setFactor(zoom);
        style = m_style.get();
    }
    std::erase_if(m_windows, [](const QPointer<ZoomedWindow> &w) { return w.isNull(); });
    for (ZoomedWindow *window : m_windows) {
        if (moved)
            window->apply(zoom, style);
        window->enableSteps(m_step > 0, m_step + 1 < kZoomStepCount);
        if (shownOn && window->window() == shownOn->window())
            window->announce(level);
    }
    if (moved)
        emit changed(percent());
}

bool Zoom::isZoomed(const QWidget *window) const
{
    return std::any_of(m_windows.begin(), m_windows.end(),
                       [window](const auto &w) { return w && w->window() == window; });
}

double zoomFactor(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (!widget->testAttribute(Qt::WA_SetStyle))
            continue;
        if (const auto *style = dynamic_cast<const ZoomStyle *>(widget->style()))
            return style->factor();
    }
    return 1.0;
}

}  // namespace fc

#include "moc_Zoom.cpp"
