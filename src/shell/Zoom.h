#pragma once

#include <QObject>
#include <QPainter>
#include <QPointer>

#include <memory>
#include <vector>

namespace fc {

class ZoomedPage;
class ZoomStyle;

// The zoom steps in percent, as browsers offer them.
inline constexpr int kZoomSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

// The one zoom of the whole program. Every page is built at 100% from its tables;
// attached, it remembers that layout and from then on shows it scaled by the zoom:
// every control's place and size, fonts, frames and focus marks, and so the figures.
// The zoom starts at 100% and is not kept between runs.
class Zoom : public QObject {
    Q_OBJECT
public:
    Zoom();
    ~Zoom() override;

    int percent() const { return kZoomSteps[m_step]; }

    void zoomIn();
    void zoomOut();
    void reset();

    // Gives a freshly built page window the zoom keys and brings it to the current
    // zoom. `sizeWindow`: the window's own size follows the zoom (centred windows).
    void attach(QWidget *window, QWidget *client, bool sizeWindow);

signals:
    void changed(int percent);

protected:
    // Ctrl + mouse wheel on any page zooms.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setStep(std::size_t step, QWidget *shownOn);

    std::size_t m_step;
    std::unique_ptr<ZoomStyle> m_style;  // nullptr at 100%
    std::vector<QPointer<ZoomedPage>> m_pages;
    int m_wheel = 0;  // wheel travel not yet turned into a step
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
