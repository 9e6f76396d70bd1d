#pragma once

#include "shell/DesignLayout.h"
#include "shell/ZoomedWindowSize.h"

#include <QObject>
#include <QPointer>

class QAction;
class QScrollArea;
class QShortcut;

namespace fc {

class ZoomIndicator;

// One window's part in the zoom: its 100% layout, its own size, its zoom keys, the
// scrolling of a page larger than its window, and the level shown over it.
class ZoomedWindow : public QObject {
    Q_OBJECT
public:
    ZoomedWindow(QWidget *window, QWidget *client, WindowSizing sizing);

    QWidget *window() const { return m_window; }

    void apply(double zoom, QStyle *style);
    // Gives the page the room its layout needs at `zoom`: it scrolls where the window
    // is smaller.
    void makeRoom(double zoom);
    // At the smallest and largest steps the step that goes further is disabled; its
    // keys then only show that the end is reached.
    void enableSteps(bool out, bool in);
    // Shows the new zoom level for a moment over the window and has it read out.
    void announce(const QString &level);

signals:
    void zoomIn();
    void zoomOut();
    void reset();

private:
    QAction *addAction(const char *name, const QList<QKeySequence> &keys);

    QWidget *m_window;
    QWidget *m_client;
    QScrollArea *m_scroll;  // nullptr: the client is the window's own
    DesignLayout m_layout;
    ZoomedWindowSize m_size;
    QAction *m_in;
    QAction *m_out;
    QShortcut *m_pastIn;
    QShortcut *m_pastOut;
    QPointer<ZoomIndicator> m_indicator;
};

}  // namespace fc
