#pragma once

class QSize;
class QWidget;

// How the program's top-level windows open and close.

namespace fc {

// Moves `window`, frame and all, to the middle of the screen of the active window: the
// one it is opened from (the primary screen when there is none).
void centreOnOpenersScreen(QWidget *window);
// Gives a shown window a new size and centres it, frame and all, on its own screen, in
// one change of geometry: one repaint, and no moment at the old place.
void resizeCentred(QWidget *window, QSize size);

// Lets Escape, Ctrl+W and the platform's own close keys close `window`, as its close
// box does.
void closeOnKeys(QWidget *window);

}  // namespace fc
