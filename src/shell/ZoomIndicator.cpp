#include "shell/ZoomIndicator.h"

#include <QApplication>
#include <QGraphicsOpacityEffect>
#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

namespace fc {

namespace {

// How long the zoom level stays on view, and how long it takes to fade.
constexpr int kHoldMs = 1000;
constexpr int kFadeMs = 400;

}  // namespace

ZoomIndicator::ZoomIndicator(QWidget *window)
    : StatusLabel(window), m_opacity(new QGraphicsOpacityEffect(this)),
      m_fade(new QSequentialAnimationGroup(this))
{
    setObjectName(QStringLiteral("zoomLevel"));
    setAccessibleDescription(tr("Zoom level of the pages"));
    // Not part of the page: it keeps the desktop's own look at every zoom.
    setFont(QApplication::font());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    setAutoFillBackground(true);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ToolTipText));
    setPalette(palette);
    setGraphicsEffect(m_opacity);
    m_fade->addPause(kHoldMs);
    auto *fade = new QPropertyAnimation(m_opacity, "opacity", m_fade);
    fade->setDuration(kFadeMs);
    fade->setStartValue(1.0);
    fade->setEndValue(0.0);
    m_fade->addAnimation(fade);
    connect(m_fade, &QAbstractAnimation::finished, this, &QObject::deleteLater);
}

void ZoomIndicator::showLevel(const QString &text, const QPoint &topRight)
{
    m_fade->stop();
    m_opacity->setOpacity(1.0);
    show();
    raise();
    setStatus(text);
    adjustSize();
    move(topRight.x() - width(), topRight.y());
    m_fade->start();
}

}  // namespace fc

#include "moc_ZoomIndicator.cpp"
