#include "shell/Zoom.h"

#include "shell/ProgramStyle.h"
#include "shell/StatusLabel.h"
#include "shell/TopLevel.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QLayout>
#include <QPauseAnimation>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QProxyStyle>
#include <QScreen>
#include <QSequentialAnimationGroup>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWheelEvent>

#include <algorithm>
#include <iterator>
#include <optional>

namespace fc {

namespace {

constexpr std::size_t kStepCount = std::size(kZoomSteps);

constexpr std::size_t stepOf(int percent)
{
    std::size_t step = 0;
    while (kZoomSteps[step] != percent)
        ++step;
    return step;
}

// How long the zoom level stays on view, and how long it takes to fade.
constexpr int kIndicatorHoldMs = 1000;
constexpr int kIndicatorFadeMs = 400;

// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;

// Rounded down: text laid out in a smaller font never needs more room than its
// share, so every answer still fits its box and every list its rows. Rounded to the
// nearest, a 13 pixel font at 67% would be relatively larger than at 100%.
QFont scaledFont(QFont font, double zoom)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(font.pixelSize() * zoom + 1e-9)));
    else
        font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

// Each edge is rounded on its own, so that controls that meet at 100% still meet.
QRect scaledRect(const QRect &rect, double zoom)
{
    const int left = zoomed(rect.left(), zoom);
    const int top = zoomed(rect.top(), zoom);
    return {left, top, zoomed(rect.left() + rect.width(), zoom) - left,
            zoomed(rect.top() + rect.height(), zoom) - top};
}

}  // namespace

// The application's style with its frames, focus marks and their margins scaled by
// the zoom. Controls use it only while the zoom is not 100%.
class ZoomStyle : public QProxyStyle {
public:
    explicit ZoomStyle(double zoom)
        : QProxyStyle(QStyleFactory::create(ProgramStyle::desktopStyleName())), m_zoom(zoom)
    {
    }

    double factor() const { return m_zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int length = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_DefaultFrameWidth:
        case PM_FocusFrameHMargin:
        case PM_FocusFrameVMargin:
            return zoomed(length, m_zoom);
        default:
            return length;
        }
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        switch (element) {
        case PE_Frame: drawAtBase<QStyleOptionFrame>(element, option, painter, widget); break;
        case PE_FrameFocusRect:
            drawAtBase<QStyleOptionFocusRect>(element, option, painter, widget);
            break;
        default: QProxyStyle::drawPrimitive(element, option, painter, widget); break;
        }
    }

private:
    template <typename Option>
    void drawAtBase(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                    const QWidget *widget) const
    {
        const auto *typed = qstyleoption_cast<const Option *>(option);
        if (!typed) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        paintZoomed(*painter, option->rect, m_zoom, [&](const QRect &base) {
            Option copy(*typed);
            copy.rect = base;
            QProxyStyle::drawPrimitive(element, &copy, painter, widget);
        });
    }

    double m_zoom;
};

// One page window's 100% layout, remembered when the page is built, and its zoom keys.
class ZoomedPage : public QObject {
public:
    ZoomedPage(QWidget *window, QWidget *client, bool sizeWindow)
        : QObject(window), m_window(window), m_client(client),
          m_baseSize(sizeWindow ? std::optional<QSize>(window->size()) : std::nullopt)
    {
        record(client);
    }

    QWidget *window() const { return m_window; }

    // The zoom keys, on the window so that they work whichever control has the focus.
    QAction *addAction(const char *name, const QList<QKeySequence> &keys)
    {
        auto *action = new QAction(m_window);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        m_window->addAction(action);
        return action;
    }

    // At the smallest and largest steps the step that goes further is disabled.
    void enableSteps(std::size_t step)
    {
        zoomOutAction->setEnabled(step > 0);
        zoomInAction->setEnabled(step + 1 < kStepCount);
    }

    QAction *zoomInAction = nullptr;
    QAction *zoomOutAction = nullptr;

    void apply(double zoom, QStyle *style)
    {
        for (const Control &c : m_controls) {
            QWidget *w = c.widget;
            if (!w)
                continue;
            if (w != m_client)
                w->setStyle(style);
            if (c.font)
                w->setFont(scaledFont(*c.font, zoom));
            if (c.lineWidth >= 0)
                static_cast<QFrame *>(w)->setLineWidth(zoomed(c.lineWidth, zoom));
            if (c.documentMargin >= 0)
                static_cast<QPlainTextEdit *>(w)->document()->setDocumentMargin(
                    c.documentMargin * zoom);
            switch (c.place) {
            case Place::Own: w->setGeometry(scaledRect(c.geometry, zoom)); break;
            case Place::CoversParent: w->setGeometry(w->parentWidget()->rect()); break;
            case Place::Managed: break;
            }
        }
        if (m_baseSize)
            sizeWindow(zoom);
    }

    // Shows the new zoom level for a moment over the page and has it read out.
    void announce(int percent)
    {
        if (!m_indicator) {
            m_indicator = new StatusLabel(m_window);
            m_indicator->setObjectName(QStringLiteral("zoomLevel"));
            m_indicator->setAccessibleDescription(QStringLiteral("Zoom level of the pages"));
            // Not part of the page: it keeps the desktop's own look at every zoom.
            m_indicator->setFont(QApplication::font());
            m_indicator->setFrameStyle(QFrame::Box | QFrame::Plain);
            m_indicator->setMargin(4);
            m_indicator->setAutoFillBackground(true);
            QPalette palette = QApplication::palette();
            palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
            palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
            m_indicator->setPalette(palette);
            auto *effect = new QGraphicsOpacityEffect(m_indicator);
            m_indicator->setGraphicsEffect(effect);
            m_fade = new QSequentialAnimationGroup(m_indicator);
            m_fade->addPause(kIndicatorHoldMs);
            auto *fade = new QPropertyAnimation(effect, "opacity", m_fade);
            fade->setDuration(kIndicatorFadeMs);
            fade->setStartValue(1.0);
            fade->setEndValue(0.0);
            m_fade->addAnimation(fade);
            connect(m_fade, &QAbstractAnimation::finished, m_indicator, &QObject::deleteLater);
        }
        m_fade->stop();
        static_cast<QGraphicsOpacityEffect *>(m_indicator->graphicsEffect())->setOpacity(1.0);
        m_indicator->show();
        m_indicator->raise();
        m_indicator->setStatus(QStringLiteral("Zoom %1%").arg(percent));
        m_indicator->adjustSize();
        // The top right-hand corner of the client area, which keeps the window's size
        // while the controls in it grow.
        const QPoint corner = m_client->mapTo(m_window, QPoint(m_client->width() - 8, 8));
        m_indicator->move(corner.x() - m_indicator->width(), corner.y());
        m_fade->start();
    }

private:
    enum class Place {
        Own,           // placed by the page: scaled
        CoversParent,  // an overlay: follows its container
        Managed,       // placed by a layout or by the window
    };

    struct Control {
        QPointer<QWidget> widget;
        QRect geometry;
        Place place;
        std::optional<QFont> font;  // set on the control itself
        int lineWidth = -1;         // frames drawn by the control, not by the style
        qreal documentMargin = -1;  // text boxes
    };

    void record(QWidget *widget)
    {
        Control c{widget, widget->geometry(), Place::Own, std::nullopt};
        QWidget *parent = widget->parentWidget();
        if (widget == m_client || (parent->layout() && parent->layout()->indexOf(widget) >= 0))
            c.place = Place::Managed;
        else if (widget->geometry() == parent->rect())
            c.place = Place::CoversParent;
        // The client's font is made its own, so that whatever inherits it scales too.
        if (widget == m_client || widget->testAttribute(Qt::WA_SetFont))
            c.font = widget->font();
        if (auto *frame = qobject_cast<QFrame *>(widget);
            frame && frame->frameShape() != QFrame::StyledPanel)
            c.lineWidth = frame->lineWidth();
        if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
            c.documentMargin = edit->document()->documentMargin();
        m_controls.push_back(c);
        // A scroll area's viewport and scroll bars are its own parts.
        if (qobject_cast<QAbstractScrollArea *>(widget))
            return;
        for (QObject *child : widget->children()) {
            if (child->isWidgetType() && !static_cast<QWidget *>(child)->isWindow())
                record(static_cast<QWidget *>(child));
        }
    }

    // Scaled as far as the screen allows, and centred on it again as when shown.
    void sizeWindow(double zoom)
    {
        const QRect available = m_window->screen()->availableGeometry();
        const QSize frame = m_window->frameGeometry().size() - m_window->size();
        m_window->resize(QSize(zoomed(m_baseSize->width(), zoom), zoomed(m_baseSize->height(), zoom))
                             .boundedTo(available.size() - frame));
        if (m_window->isVisible())
            centreOnItsScreen(m_window);
    }

    QWidget *m_window;
    QWidget *m_client;
    std::optional<QSize> m_baseSize;  // of a window whose size follows the zoom
    std::vector<Control> m_controls;  // parents before their children
    QPointer<StatusLabel> m_indicator;
    QSequentialAnimationGroup *m_fade = nullptr;
};

Zoom::Zoom() : m_step(stepOf(100))
{
    qApp->installEventFilter(this);
}

Zoom::~Zoom()
{
    qApp->removeEventFilter(this);
}

void Zoom::zoomIn()
{
    if (m_step + 1 < kStepCount)
        setStep(m_step + 1, QApplication::activeWindow());
}

void Zoom::zoomOut()
{
    if (m_step > 0)
        setStep(m_step - 1, QApplication::activeWindow());
}

void Zoom::reset()
{
    setStep(stepOf(100), QApplication::activeWindow());
}

void Zoom::attach(QWidget *window, QWidget *client, bool sizeWindow)
{
    auto *page = new ZoomedPage(window, client, sizeWindow);
    QList<QKeySequence> in = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    in << QKeySequence(Qt::CTRL | Qt::Key_Equal);
    page->zoomInAction = page->addAction("zoomIn", in);
    page->zoomOutAction =
        page->addAction("zoomOut", QKeySequence::keyBindings(QKeySequence::ZoomOut));
    QAction *reset = page->addAction("zoomReset", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(page->zoomInAction, &QAction::triggered, this, &Zoom::zoomIn);
    connect(page->zoomOutAction, &QAction::triggered, this, &Zoom::zoomOut);
    connect(reset, &QAction::triggered, this, &Zoom::reset);
    page->enableSteps(m_step);

    std::erase_if(m_pages, [](const QPointer<ZoomedPage> &p) { return p.isNull(); });
    m_pages.push_back(page);
    // A page opened later opens at the current zoom.
    if (m_style)
        page->apply(m_style->factor(), m_style.get());
}

void Zoom::setStep(std::size_t step, QWidget *shownOn)
{
    if (step == m_step)
        return;
    m_step = step;
    const double zoom = percent() / 100.0;
    auto style = percent() == 100 ? nullptr : std::make_unique<ZoomStyle>(zoom);
    std::erase_if(m_pages, [](const QPointer<ZoomedPage> &p) { return p.isNull(); });
    for (ZoomedPage *page : m_pages) {
        page->apply(zoom, style.get());
        page->enableSteps(m_step);
        if (shownOn && page->window() == shownOn->window())
            page->announce(percent());
    }
    // No control is drawn with the previous style any more.
    m_style = std::move(style);
    emit changed(percent());
}

bool Zoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return false;
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    QWidget *window = static_cast<QWidget *>(watched)->window();
    const bool onPage = std::any_of(m_pages.begin(), m_pages.end(),
                                    [window](const auto &p) { return p && p->window() == window; });
    if (!onPage)
        return false;
    // Ctrl + wheel zooms the page under the mouse; it neither scrolls nor zooms a box.
    m_wheel += wheel->angleDelta().y();
    const int steps = m_wheel / kWheelNotch;
    m_wheel %= kWheelNotch;
    const int target = std::clamp(int(m_step) + steps, 0, int(kStepCount) - 1);
    setStep(std::size_t(target), window);
    return true;
}

double zoomFactor(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (!widget->testAttribute(Qt::WA_SetStyle))
            continue;
        if (const auto *style = dynamic_cast<const ZoomStyle *>(widget->style()))
            return style->factor();
    }
    return 1.0;
}

}  // namespace fc
