#include "shell/ProgramIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace fc {

namespace {

class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(const QString &file) : m_file(file) {}

    QIconEngine *clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("fc-svg"); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        renderer().render(painter, QRectF(rect));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        // Qt asks with the size in device pixels already.
        const QSize pixels = size;
        if (pixels.isEmpty())
            return {};
        const quint64 key = (quint64(pixels.width()) << 32) | quint64(pixels.height());
        QPixmap pixmap = m_drawn.value(key);
        if (pixmap.isNull()) {
            pixmap = QPixmap(pixels);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            paint(&painter, pixmap.rect(), mode, state);
            painter.end();
            m_drawn.insert(key, pixmap);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QString iconName() override { return {}; }
    bool isNull() override { return false; }

private:
    QSvgRenderer &renderer()
    {
        if (!m_renderer)
            m_renderer = std::make_shared<QSvgRenderer>(m_file);
        return *m_renderer;
    }

    QString m_file;
    // Shared by the copies Qt makes of the icon.
    std::shared_ptr<QSvgRenderer> m_renderer;
    QHash<quint64, QPixmap> m_drawn;
};

}  // namespace

QIcon programIcon(const QString &svgFile)
{
    return QIcon(new SvgIconEngine(svgFile));
}

}  // namespace fc
