#pragma once

#include <QObject>

#include <functional>

namespace fc {

// Ctrl + mouse wheel over a zoomed window: whole notches become zoom steps, and
// neither a box's own text zoom nor scrolling happens.
class WheelZoomFilter : public QObject {
public:
    using IsZoomed = std::function<bool(const QWidget *window)>;
    using Step = std::function<void(int steps, QWidget *window)>;

    WheelZoomFilter(IsZoomed isZoomed, Step step, QObject *parent = nullptr);
    ~WheelZoomFilter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    IsZoomed m_isZoomed;
    Step m_step;
    int m_travel = 0;  // wheel travel not yet turned into a step
};

}  // namespace fc
