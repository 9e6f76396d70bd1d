#pragma once

#include "shell/ZoomedWindowSize.h"

#include <QObject>
#include <QPainter>
#include <QPointer>

#include <iterator>
#include <memory>
#include <vector>

namespace fc {

class WheelZoomFilter;
class ZoomedWindow;
class ZoomStyle;

// The zoom steps in percent, as browsers offer them.
inline constexpr int kZoomSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
inline constexpr std::size_t kZoomStepCount = std::size(kZoomSteps);

// The step of `percent`; kZoomStepCount where there is none.
constexpr std::size_t zoomStepOf(int percent)
{
    std::size_t step = 0;
    while (step < kZoomStepCount && kZoomSteps[step] != percent)
        ++step;
    return step;
}
static_assert(zoomStepOf(100) < kZoomStepCount, "the zoom steps hold 100%");

// The one zoom of the whole program. Every page is built at 100% from its tables;
// attached, it remembers that layout and from then on shows it scaled by the zoom:
// every control's place and size, fonts, frames and focus marks, and so the figures.
// The curve explorer and the figure windows follow it too. The zoom starts at the
// step at which the pages fit the screen and is not kept between runs.
class Zoom : public QObject {
    Q_OBJECT
public:
    Zoom();
    ~Zoom() override;

    // The program's zoom, while there is one.
    static Zoom *current();

    int percent() const { return kZoomSteps[m_step]; }
    // The zoom the program starts at and Ctrl+0 returns to.
    int startPercent() const { return kZoomSteps[m_start]; }
    // Sets the starting zoom, a step, and goes to it.
    void setStartPercent(int percent);

    void zoomIn();
    void zoomOut();
    void reset();

    // Gives a freshly built window the zoom keys and brings it to the current zoom.
    void attach(QWidget *window, QWidget *client, WindowSizing sizing);

signals:
    void changed(int percent);

private:
    void step(int steps, QWidget *shownOn);
    void setStep(std::size_t step, QWidget *shownOn, const QString &level);
    bool isZoomed(const QWidget *window) const;

    std::size_t m_step;
    std::size_t m_start;
    std::unique_ptr<ZoomStyle> m_style;  // made at the first step away from 100%
    std::vector<QPointer<ZoomedWindow>> m_windows;
    std::unique_ptr<WheelZoomFilter> m_wheel;
};

// The zoom a control is drawn at: 1 at 100%.
double zoomFactor(const QWidget *widget);

// A length of the 100% design at `zoom`.
inline int zoomed(int length, double zoom)
{
    return qRound(length * zoom);
}

// Draws, at `zoom`, what `paint` draws at 100% in the 100% rectangle it is handed:
// the painter is scaled so that this rectangle fills `rect` exactly, so lines and
// dots keep their proportions. At 100% nothing is transformed.
template <typename Paint>
void paintZoomed(QPainter &painter, const QRect &rect, double zoom, Paint paint)
{
    if (zoom == 1.0) {
        paint(rect);
        return;
    }
    const QRect base(qRound(rect.x() / zoom), qRound(rect.y() / zoom),
                     qMax(1, qRound(rect.width() / zoom)), qMax(1, qRound(rect.height() / zoom)));
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(double(rect.width()) / base.width(), double(rect.height()) / base.height());
    painter.translate(-base.topLeft());
    paint(base);
    painter.restore();
}

}  // namespace fc
