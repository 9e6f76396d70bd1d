#pragma once

class QWidget;

namespace fc {

// Moves `window`, frame and all, to the middle of the screen of the active window: the
// one it is opened from (the primary screen when there is none).
void centreOnOpenersScreen(QWidget *window);

}  // namespace fc
