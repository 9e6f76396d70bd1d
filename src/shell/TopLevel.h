#pragma once

class QWidget;

// How the program's top-level windows open and close.

namespace fc {

// Moves `window`, frame and all, to the middle of the screen of the active window: the
// one it is opened from (the primary screen when there is none).
void centreOnOpenersScreen(QWidget *window);
// Moves a shown window, frame and all, back to the middle of its own screen.
void centreOnItsScreen(QWidget *window);

// Lets Escape, Ctrl+W and the platform's own close keys close `window`, as its close
// box does.
void closeOnKeys(QWidget *window);

}  // namespace fc
