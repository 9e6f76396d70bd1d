#include "shell/ScreenFit.h"

#include "shell/Zoom.h"

#include <algorithm>
#include <iterator>

namespace fc {

int fittingPercent(const QSize &workArea, std::span<const WindowNeed> needs)
{
    const auto fits = [&](int percent) {
        const double zoom = percent / 100.0;
        return std::all_of(needs.begin(), needs.end(), [&](const WindowNeed &need) {
            const QSize size(zoomed(need.room.width(), zoom) + need.fixed.width(),
                             zoomed(need.room.height(), zoom) + need.fixed.height());
            return workArea.expandedTo(size) == workArea;
        });
    };
    for (auto step = std::rbegin(kZoomSteps); step != std::rend(kZoomSteps); ++step) {
        if (*step <= 100 && fits(*step))
            return *step;
    }
    return kZoomSteps[0];
}

}  // namespace fc
