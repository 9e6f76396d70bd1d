#include "shell/ZoomedWindow.h"

#include "shell/ZoomIndicator.h"
#include "shell/Zoom.h"

#include <QAction>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>

namespace fc {

namespace {

QList<QKeySequence> zoomInKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    keys << QKeySequence(Qt::CTRL | Qt::Key_Equal);
    return keys;
}

// The shortcuts of a disabled step, live only while it is disabled.
QShortcut *pastTheEnd(const QList<QKeySequence> &keys, QWidget *window)
{
    auto *shortcut = new QShortcut(window);
    shortcut->setKeys(keys);
    shortcut->setEnabled(false);
    return shortcut;
}

// Scrolls so that the whole of a control's extent along `bar` is on view, or its
// start where it is longer than the view.
void bringIntoView(QScrollBar *bar, int start, int length, int view)
{
    if (length > view || start < bar->value())
        bar->setValue(start);
    else if (start + length > bar->value() + view)
        bar->setValue(start + length - view);
}

}  // namespace

ZoomedWindow::ZoomedWindow(QWidget *window, QWidget *client, WindowSizing sizing)
    : QObject(window), m_window(window), m_client(client),
      m_scroll(qobject_cast<QScrollArea *>(client->parentWidget()
                                               ? client->parentWidget()->parentWidget()
                                               : nullptr)),
      m_layout(client), m_size(window, sizing),
      m_in(addAction("zoomIn", zoomInKeys())),
      m_out(addAction("zoomOut", QKeySequence::keyBindings(QKeySequence::ZoomOut))),
      m_pastIn(pastTheEnd(zoomInKeys(), window)),
      m_pastOut(pastTheEnd(QKeySequence::keyBindings(QKeySequence::ZoomOut), window))
{
    connect(m_in, &QAction::triggered, this, &ZoomedWindow::zoomIn);
    connect(m_out, &QAction::triggered, this, &ZoomedWindow::zoomOut);
    connect(m_pastIn, &QShortcut::activated, this, &ZoomedWindow::zoomIn);
    connect(m_pastOut, &QShortcut::activated, this, &ZoomedWindow::zoomOut);
    connect(addAction("zoomReset", {QKeySequence(Qt::CTRL | Qt::Key_0)}), &QAction::triggered,
            this, &ZoomedWindow::reset);
    if (m_scroll) {
        // A control that takes the keyboard focus, by Tab or otherwise, is brought into view.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (!now || now == m_client || !m_client->isAncestorOf(now))
                return;
            const QRect at(now->mapTo(m_client, QPoint()), now->size());
            const QSize view = m_scroll->viewport()->size();
            bringIntoView(m_scroll->horizontalScrollBar(), at.left(), at.width(), view.width());
            bringIntoView(m_scroll->verticalScrollBar(), at.top(), at.height(), view.height());
        });
    }
}

QAction *ZoomedWindow::addAction(const char *name, const QList<QKeySequence> &keys)
{
    // On the window, so that the keys work whichever control has the focus.
    auto *action = new QAction(m_window);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    m_window->addAction(action);
    return action;
}

void ZoomedWindow::apply(double zoom, QStyle *style)
{
    m_layout.apply(zoom, style);
    m_size.apply(zoom);
    makeRoom(zoom);
}

void ZoomedWindow::makeRoom(double zoom)
{
    // Where it fits, the page fills the window as it always did.
    if (!m_scroll)
        return;
    const QSize room = m_layout.room();
    m_client->setMinimumSize(zoomed(room.width(), zoom), zoomed(room.height(), zoom));
    // The scroll bars are weighed again now, not at the next turn of the event loop.
    QEvent request(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_scroll, &request);
}

void ZoomedWindow::enableSteps(bool out, bool in)
{
    m_out->setEnabled(out);
    m_in->setEnabled(in);
    m_pastOut->setEnabled(!out);
    m_pastIn->setEnabled(!in);
}

void ZoomedWindow::announce(const QString &level)
{
    if (!m_indicator)
        m_indicator = new ZoomIndicator(m_window);
    // The top right-hand corner of what is on view of the client, which keeps the
    // window's size while the controls in it grow.
    const QWidget *view = m_scroll ? m_scroll->viewport() : m_client;
    m_indicator->showLevel(level, view->mapTo(m_window, QPoint(view->width() - 8, 8)));
}

}  // namespace fc

#include "moc_ZoomedWindow.cpp"
