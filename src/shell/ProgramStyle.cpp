#include "shell/ProgramStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>

#include <memory>

namespace fc {

namespace {

// An icon of `style` that asks the style for it on first use. Copies share the
// icon once it is resolved.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle *style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which), m_icon(std::make_shared<QIcon>())
    {
    }

    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("fc-deferred"); }
    bool isNull() override { return false; }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

private:
    const QIcon &icon()
    {
        if (m_icon->isNull()) {
            QStyle *style = m_style ? m_style.data() : QApplication::style();
            *m_icon = style->standardIcon(m_which);
        }
        return *m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    std::shared_ptr<QIcon> m_icon;
};

}  // namespace

ProgramStyle::ProgramStyle(QStyle *desktopStyle) : QProxyStyle(desktopStyle) {}

void ProgramStyle::install()
{
    if (qobject_cast<ProgramStyle *>(QApplication::style()))
        return;
    // The style the desktop (or -style) chose becomes the base; the proxy takes it
    // over, so that QApplication does not delete it when the proxy replaces it.
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

QString ProgramStyle::desktopStyleName()
{
    const QStyle *style = QApplication::style();
    if (const auto *proxy = qobject_cast<const QProxyStyle *>(style))
        style = proxy->baseStyle();
    return style->name();
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton:
        // Without an option the image follows the application's direction, which the
        // deferred icon asks with too.
        if (option)
            break;
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    default:
        break;
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace fc

#include "moc_ProgramStyle.cpp"
