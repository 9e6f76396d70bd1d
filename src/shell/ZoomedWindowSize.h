#pragma once

#include <QSize>

class QWidget;

namespace fc {

// How a window's own size answers the zoom.
enum class WindowSizing {
    Kept,           // maximised pages: the page scrolls in the window where it must
    FollowsZoom,    // centred windows: scaled, as far as the screen allows
    GrowsWithZoom,  // figure windows: scaled above 100%, never below their opening size
};

// A window's size at 100%, remembered when it is attached, and its size at a zoom.
class ZoomedWindowSize {
public:
    ZoomedWindowSize(QWidget *window, WindowSizing sizing);

    // The window's size at `zoom`, before the screen's bounds.
    QSize at(double zoom) const;
    // Resizes the window for `zoom` as far as its screen allows, centred on it again
    // as when shown.
    void apply(double zoom) const;

private:
    QWidget *m_window;
    WindowSizing m_sizing;
    QSize m_base;
};

}  // namespace fc
