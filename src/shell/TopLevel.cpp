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

// Where a window of `size` goes for its frame to be centred on `screen`.
QRect centred(QSize size, const QScreen *screen, const QMargins &decorations)
{
    QRect frame = QRect(QPoint(0, 0), size).marginsAdded(decorations);
    frame.moveCenter(screen->availableGeometry().center());
    return frame.marginsRemoved(decorations);
}

void centreFrame(QWidget *window, const QScreen *screen, const QMargins &decorations)
{
    const QRect inner = centred(window->size(), screen, decorations);
    // A window's position is that of its frame.
    window->move(inner.topLeft() - QPoint(decorations.left(), decorations.top()));
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

void resizeCentred(QWidget *window, QSize size)
{
    window->setGeometry(centred(size, window->screen(), decorationsOf(window)));
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
