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

// The focus mark's line, in pixels of the 100% design.
constexpr int kFocusMarkWidth = 2;

// The colours a frame may be drawn in; equal palettes of different areas give the same
// number.
size_t coloursKey(const QPalette &palette)
{
    size_t key = 0;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            key = qHashMulti(key, palette.color(QPalette::ColorGroup(group),
                                                QPalette::ColorRole(role)).rgba());
    }
    return key;
}

// Everything the frame's pixels depend on: the style, the frame's kind and place, and
// its colours (`colours`, from coloursKey).
size_t frameKey(const QFrame &frame, size_t colours)
{
    return qHashMulti(colours, frame.style()->name(), frame.frameStyle(), frame.lineWidth(),
                      frame.midLineWidth(), frame.frameRect(), frame.isEnabled(),
                      frame.isActiveWindow()
                          && !frame.palette().isEqual(QPalette::Active, QPalette::Inactive));
}

}  // namespace

QString figureTitle(const Figure *figure)
{
    if (!figure)
        return PictureArea::tr("Empty figure area");
    return figure->title.isEmpty() ? figure->name : figure->title;
}

PictureArea::PictureArea(QWidget *parent)
    : QFrame(parent)
{
    presentAs<PictureArea, QAccessible::Graphic>();
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    describeFigureOnView();
    setToolTip(tr("Double-click to enlarge \u00B7 right-click to copy, save or print"
                  " \u00B7 Ctrl+E to explore"));
    // An overlay sits on its container's top-left corner and covers it; the keyboard
    // focus goes to the container, which acts on the overlay on view.
    if (auto *container = qobject_cast<PictureArea *>(parent)) {
        setGeometry(container->rect());
        setFocusPolicy(Qt::NoFocus);
    }
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
        // The figure's rendering for this size, ratio and background. Above a ratio
        // of 1 the frame's lines reach a device pixel inside, and a figure's edge is
        // drawn over them.
        const auto frame = [this, &area](QPainter &p) {
            p.translate(-area.topLeft());
            drawFrame(&p);
        };
        if (!m_coloursKey)
            m_coloursKey = coloursKey(palette());
        if (!m_rendering.draw(painter, *m_figure, area.topLeft(),
                              {area.size(), figureScale(), 1, background(), {}, frame,
                               frameKey(*this, *m_coloursKey)})) {
            // Turned or stretched unevenly, as only a render onto another painter
            // does: drawn directly.
            painter.translate(area.topLeft());
            painter.scale(figureScale(), figureScale());
            paintFigure(painter, *m_figure);
        }
    }
    const auto *container = qobject_cast<const PictureArea *>(parentWidget());
    if (hasFocus() || (container && container->hasFocus())) {
        // Drawn over the figure, so the keyboard focus is seen on the area: solid and
        // dark, it stands out against the white and pale yellow backgrounds alike.
        QPainter painter(this);
        const double zoom = zoomFactor(this);
        const int width = std::max(2, zoomed(kFocusMarkWidth, zoom));
        painter.setPen(QPen(pageColour::darkBlue, width, Qt::SolidLine, Qt::SquareCap,
                            Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const int inset = zoomed(2, zoom) + width / 2;
        painter.drawRect(QRectF(area).adjusted(inset, inset, -inset, -inset));
    }
}

void PictureArea::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    updateWithOverlays();
}

void PictureArea::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    updateWithOverlays();
}

void PictureArea::updateWithOverlays()
{
    update();
    for (PictureArea *overlay : findChildren<PictureArea *>(Qt::FindDirectChildrenOnly))
        overlay->update();
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

void PictureArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_coloursKey.reset();
    QFrame::changeEvent(event);
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    const auto overlays = findChildren<PictureArea *>(Qt::FindDirectChildrenOnly);
    for (PictureArea *overlay : overlays)
        overlay->setGeometry(rect());
}

}  // namespace fc

#include "moc_PictureArea.cpp"
