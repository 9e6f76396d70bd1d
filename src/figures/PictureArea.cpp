#include "figures/PictureArea.h"

#include "figures/Figure.h"
#include "figures/FigureCommands.h"
#include "figures/FigurePainter.h"
#include "figures/FigurePixmap.h"
#include "figures/FigureWindow.h"
#include "shell/AccessibleRole.h"
#include "shell/PageStyle.h"
#include "shell/Zoom.h"

#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace fc {

namespace {

// Everything the frame's pixels depend on: the style, the frame's kind and place, and
// the colours it may be drawn in.
QString frameKey(const QFrame &frame)
{
    const QPalette &palette = frame.palette();
    size_t colours = 0;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            colours = qHashMulti(colours, palette.color(QPalette::ColorGroup(group),
                                                        QPalette::ColorRole(role)).rgba());
    }
    const QRect r = frame.frameRect();
    return QStringLiteral("%1 %2 %3 %4 %5,%6,%7,%8 %9 %10")
        .arg(frame.style()->name())
        .arg(frame.frameStyle())
        .arg(frame.lineWidth())
        .arg(frame.midLineWidth())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .arg(int(frame.isEnabled()) * 2
             + int(frame.isActiveWindow()
                   && !palette.isEqual(QPalette::Active, QPalette::Inactive)))
        .arg(colours, 0, 16);
}

}  // namespace

QString figureTitle(const Figure *figure)
{
    if (!figure)
        return QStringLiteral("Empty figure area");
    return figure->title.isEmpty() ? figure->name : figure->title;
}

PictureArea::PictureArea(QWidget *parent)
    : QFrame(parent)
{
    presentAs<PictureArea, QAccessible::Graphic>();
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    describeFigureOnView();
    // An overlay sits on its container's top-left corner and covers it.
    if (auto *container = qobject_cast<PictureArea *>(parent))
        setGeometry(container->rect());
}

void PictureArea::setFigure(const Figure *figure)
{
    if (m_figure == figure)
        return;
    m_figure = figure;
    updateGeometry();
    update();
    describeFigureOnView();
    tellContainer();
}

void PictureArea::setBackground(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

QColor PictureArea::background() const
{
    return palette().color(QPalette::Window);
}

double PictureArea::figureScale() const
{
    if (!m_figure || m_figure->canvas.isEmpty())
        return 1.0;
    const QRect area = contentsRect();
    const double scale = std::min(area.width() / m_figure->canvas.width(),
                                  area.height() / m_figure->canvas.height());
    // Never beyond the natural size, but zoomed in the figure grows with its area.
    return std::clamp(scale, 0.0, zoomFactor(this));
}

QSize PictureArea::sizeHint() const
{
    if (!m_figure)
        return QFrame::sizeHint();
    const QMargins margins = contentsMargins();
    return m_figure->canvas.size().toSize()
           + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

const Figure *PictureArea::figureOnView() const
{
    // Later children are stacked higher.
    const auto overlays = findChildren<PictureArea *>(Qt::FindDirectChildrenOnly);
    for (auto it = overlays.rbegin(); it != overlays.rend(); ++it) {
        if (!(*it)->isHidden())
            return (*it)->figureOnView();
    }
    return m_figure;
}

void PictureArea::describeFigureOnView()
{
    const Figure *figure = figureOnView();
    setAccessibleName(figureTitle(figure));
    setAccessibleDescription(figure ? figure->description : QString());
}

void PictureArea::tellContainer()
{
    if (auto *container = qobject_cast<PictureArea *>(parentWidget()))
        container->describeFigureOnView();
}

bool PictureArea::event(QEvent *event)
{
    switch (event->type()) {
    // Sent to an overlay itself whenever it is shown or hidden, even while its
    // container or window is hidden.
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::ZOrderChange:
        tellContainer();
        break;
    default:
        break;
    }
    return QFrame::event(event);
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    if (m_figure) {
        QPainter painter(this);
        painter.setClipRect(area);
        const QTransform device = painter.deviceTransform();
        if (device.type() <= QTransform::TxScale && device.m11() == device.m22()) {
            // The figure's rendering for this size, ratio and background, put on a
            // whole device pixel. Above a ratio of 1 the frame's lines reach a device
            // pixel inside, and a figure's edge is drawn over them.
            const QPointF corner = device.map(QPointF(area.topLeft()));
            const QPointF whole(std::floor(corner.x()), std::floor(corner.y()));
            const auto frame = [this, &area](QPainter &p) {
                p.translate(-area.topLeft());
                drawFrame(&p);
            };
            const QPixmap picture =
                figurePixmap(*m_figure, {area.size(), figureScale(), device.m11(), background(),
                                         corner - whole, frame, frameKey(*this)});
            painter.drawPixmap(device.inverted().map(whole), picture);
        } else {
            // Turned or stretched unevenly, as only a render onto another painter
            // does: drawn directly.
            painter.translate(area.topLeft());
            painter.scale(figureScale(), figureScale());
            paintFigure(painter, *m_figure);
        }
    }
    if (hasFocus()) {
        // Drawn over the figure, so the keyboard focus is seen on the area.
        QPainter painter(this);
        paintFocusMark(painter, area, palette().color(QPalette::WindowText), zoomFactor(this), 1);
    }
}

void PictureArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    const Figure *figure = figureOnView();
    if (event->button() == Qt::LeftButton && figure)
        FigureWindow::open(catalogued(*figure), m_explore);
    else
        QFrame::mouseDoubleClickEvent(event);
}

void PictureArea::keyPressEvent(QKeyEvent *event)
{
    const Figure *figure = figureOnView();
    const int key = event->key();
    if (figure && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space))
        FigureWindow::open(catalogued(*figure), m_explore);
    else if (!sendContextMenuKey(this, event))
        QFrame::keyPressEvent(event);
}

void PictureArea::contextMenuEvent(QContextMenuEvent *event)
{
    const Figure *figure = figureOnView();
    if (!figure)
        return;
    const SharedFigure shown = catalogued(*figure);
    QMenu *menu = figureMenu(this, [shown] { return shown; });
    QAction *open = menu->addAction(tr("Open in Window"));
    open->setObjectName(QStringLiteral("openInWindow"));
    connect(open, &QAction::triggered, this,
            [shown, explore = m_explore] { FigureWindow::open(shown, explore); });
    if (m_explore) {
        menu->addSeparator();
        menu->addAction(m_explore);
    }
    menu->popup(menuPosition(this, event));
}

void PictureArea::prepare(const Figure &figure, const QSize &size,
                          const std::optional<QColor> &keepOn)
{
    PictureArea area;
    area.resize(size);
    area.setFigure(&figure);
    const qreal ratio = qApp->devicePixelRatio();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    if (keepOn) {
        area.setBackground(*keepOn);
        area.render(&image);
        return;
    }
    // Painted directly: the kept renderings are for figures on view, and the hidden
    // overlays of a page would only take memory there.
    QPainter painter(&image);
    painter.translate(area.contentsRect().topLeft());
    painter.scale(area.figureScale(), area.figureScale());
    paintFigure(painter, figure);
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const auto overlays = findChildren<PictureArea *>(Qt::FindDirectChildrenOnly);
    for (PictureArea *overlay : overlays)
        overlay->setGeometry(rect());
}

}  // namespace fc
