#include "figures/FigureWindow.h"

#include "figures/Figure.h"
#include "figures/FigureCommands.h"
#include "figures/FigureImage.h"
#include "figures/FigurePixmap.h"
#include "figures/PictureArea.h"
#include "shell/TopLevel.h"
#include "shell/Zoom.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <map>

namespace fc {

namespace {

// Of the available screen, the most a new window takes.
constexpr double kLargestShare = 0.9;

std::map<QString, QPointer<FigureWindow>> &openWindows()
{
    static std::map<QString, QPointer<FigureWindow>> windows;
    return windows;
}

}  // namespace

FigureWindow::FigureWindow(SharedFigure shared)
    : m_figure(std::move(shared))
{
    const Figure &figure = *m_figure;
    setObjectName(QStringLiteral("figure_") + figure.name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(figure.heading.isEmpty() ? figureTitle(&figure) : figure.heading);
    setAccessibleName(figureTitle(&figure));
    setAccessibleDescription(figure.description);
    setPalette(QPalette(colour::white));
    setAutoFillBackground(true);
    // The figure is the window's one control: an image carrying its description.
    auto *image = new FigureImage(m_figure, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(image);
    setFocusProxy(image);

    addFigureActions(this, [figure = m_figure] { return figure; }, this, true);
    m_preview = new QAction(tr("Print Preview\u2026"), this);
    m_preview->setObjectName(QStringLiteral("printPreview"));
    connect(m_preview, &QAction::triggered, this, [this] { previewFigure(m_figure, this); });
    addAction(m_preview);
    closeOnKeys(this);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this), &QShortcut::activated, this,
            [this] {
                if (m_explore)
                    m_explore->trigger();
            });
    resize(sizeHint());
    // Opened from a zoomed page, the window grows with the zoom and follows it.
    if (Zoom *zoom = Zoom::current())
        zoom->attach(this, this, WindowSizing::GrowsWithZoom);
}

FigureWindow *FigureWindow::open(SharedFigure figure, QAction *explore)
{
    QPointer<FigureWindow> &slot = openWindows()[figure->name];
    if (!slot) {
        slot = new FigureWindow(std::move(figure));
        centreOnOpenersScreen(slot);
    }
    if (explore)
        slot->m_explore = explore;
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

FigureWindow *FigureWindow::existing(const QString &figureName)
{
    const auto found = openWindows().find(figureName);
    return found == openWindows().end() ? nullptr : found->second.data();
}

void FigureWindow::closeAll()
{
    for (auto &[name, window] : openWindows())
        delete window.data();
    openWindows().clear();
}

QSize FigureWindow::sizeHint() const
{
    // The natural size, or as much of it as the screen has room for.
    const QSizeF natural = m_figure->canvas.size();
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSizeF room = QSizeF(screen->availableSize()) * kLargestShare;
    const double scale = std::min({1.0, room.width() / natural.width(),
                                   room.height() / natural.height()});
    return (natural * scale).toSize();
}

void FigureWindow::keyPressEvent(QKeyEvent *event)
{
    if (!sendContextMenuKey(this, event))
        QWidget::keyPressEvent(event);
}

void FigureWindow::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = figureMenu(this, [figure = m_figure] { return figure; });
    menu->addAction(m_preview);
    if (m_explore) {
        menu->addSeparator();
        menu->addAction(m_explore);
    }
    menu->popup(menuPosition(this, event));
}

}  // namespace fc

#include "moc_FigureWindow.cpp"
