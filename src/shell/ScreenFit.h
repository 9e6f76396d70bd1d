#pragma once

#include <QSize>

#include <span>

namespace fc {

// What a window needs of a screen: its client's room at 100%, which the zoom scales,
// and what the zoom leaves as it is (a menu bar, the window's frame).
struct WindowNeed {
    QSize room;
    QSize fixed;
};

// The largest zoom step, at most 100%, at which every window fits `workArea`: the
// zoom the program starts at. The smallest step where nothing fits.
int fittingPercent(const QSize &workArea, std::span<const WindowNeed> needs);

}  // namespace fc
