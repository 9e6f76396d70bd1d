#include "shell/TopLevel.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace fc {

void centreOnOpenersScreen(QWidget *window)
{
    // A window not yet shown has no frame of its own: the window it is opened from has
    // the same decorations.
    const QWidget *opener = QApplication::activeWindow();
    const QScreen *screen = opener ? opener->screen() : QGuiApplication::primaryScreen();
    QMargins decorations;
    if (opener) {
        const QRect outer = opener->frameGeometry();
        const QRect inner = opener->geometry();
        decorations = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    QRect frame = QRect(QPoint(0, 0), window->size()).marginsAdded(decorations);
    frame.moveCenter(screen->availableGeometry().center());
    // A window's position is that of its frame.
    window->move(frame.topLeft());
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
