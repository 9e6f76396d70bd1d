#include "explorer/CurvesView.h"

#include "explorer/CurveFigure.h"
#include "figures/FigurePainter.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace fc {

namespace {

QAccessibleInterface *curvesViewFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fc::CurvesView") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

}  // namespace

CurvesView::CurvesView(QWidget *parent) : QFrame(parent)
{
    static const bool installed = (QAccessible::installFactory(curvesViewFactory), true);
    Q_UNUSED(installed);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::white);
    setPalette(pal);
    // The kept layer covers the area inside the frame, and the frame's strip is filled
    // by hand: Qt need not fill the whole view first on every repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("Cardiac and vascular function curves"));
}

void CurvesView::setCurves(Figure curves)
{
    m_curves = std::move(curves);
    update();
}

QTransform CurvesView::canvasToWidget() const
{
    const QPointF corner = explorerBackground().canvas.topLeft();
    return QTransform::fromTranslate(-corner.x(), -corner.y()) * placement();
}

QTransform CurvesView::placement() const
{
    const QRectF canvas = explorerBackground().canvas;
    const QRectF area = contentsRect();
    const double scale = std::min(area.width() / canvas.width(), area.height() / canvas.height());
    const QSizeF shown = canvas.size() * scale;
    QTransform transform;
    transform.translate(area.x() + (area.width() - shown.width()) / 2,
                        area.y() + (area.height() - shown.height()) / 2);
    transform.scale(scale, scale);
    return transform;
}

QSize CurvesView::sizeHint() const
{
    return explorerBackground().canvas.size().toSize();
}

QSize CurvesView::minimumSizeHint() const
{
    return sizeHint() / 2;
}

void CurvesView::paintEvent(QPaintEvent *event)
{
    const QRect area = contentsRect();
    {
        QPainter frame(this);
        frame.setClipRegion(event->region() - area);
        frame.fillRect(rect(), palette().color(QPalette::Window));
    }
    QFrame::paintEvent(event);
    const qreal ratio = devicePixelRatioF();
    if (m_background.isNull() || m_background.devicePixelRatio() != ratio) {
        m_background = QPixmap(area.size() * ratio);
        m_background.setDevicePixelRatio(ratio);
        m_background.fill(palette().color(QPalette::Window));
        QPainter layer(&m_background);
        layer.setTransform(placement() * QTransform::fromTranslate(-area.x(), -area.y()));
        paintFigure(layer, explorerBackground());
    }
    QPainter painter(this);
    const QRect exposed = event->rect() & area;
    painter.setClipRect(exposed);
    painter.drawPixmap(exposed.topLeft(), m_background,
                       QRectF(QPointF(exposed.topLeft() - area.topLeft()) * ratio,
                              QSizeF(exposed.size()) * ratio));
    painter.setTransform(placement());
    paintFigure(painter, m_curves);
}

void CurvesView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_background = QPixmap();
}

}  // namespace fc
