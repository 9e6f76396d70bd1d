#include "shell/TopLevel.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace fc {

namespace {

// The window manager's decorations around a shown window.
QMargins decorationsOf(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(),
            outer.right() - inner.right(), outer.bottom() - inner.bottom()};
}

void centreFrame(QWidget *window, const QScreen *screen, const QMargins &decorations)
{
    QRect frame = QRect(QPoint(0, 0), window->size()).marginsAdded(decorations);
    frame.moveCenter(screen->availableGeometry().center());
    // A window's position is that of its frame.
    window->move(frame.topLeft());
}

}  // namespace

void centreOnOpenersScreen(QWidget *window)
{
    // A window not yet shown has no frame of its own: the window it is opened from has
    // the same decorations.
    const QWidget *opener = QApplication::activeWindow();
    if (opener)
        centreFrame(window, opener->screen(), decorationsOf(opener));
    else
        centreFrame(window, QGuiApplication::primaryScreen(), {});
}

void centreOnItsScreen(QWidget *window)
{
    centreFrame(window, window->screen(), decorationsOf(window));
}

void closeOnKeys(QWidget *window)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        if (!keys.contains(key))
            keys << key;
    }
    for (const QKeySequence &key : keys)
        QObject::connect(new QShortcut(key, window), &QShortcut::activated, window, &QWidget::close);
}

}  // namespace fc
