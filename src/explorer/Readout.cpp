#include "explorer/Readout.h"

#include <QEvent>

namespace fc {

Readout::Readout(const char *name, QWidget *parent) : QLabel(parent)
{
    setObjectName(QLatin1String(name));
}

void Readout::setReading(const QString &text)
{
    setText(text);
    fit();
}

void Readout::fit()
{
    // A widget of fixed size asks nothing of its layout when its text changes.
    const QSize size = sizeHint().expandedTo(minimumSize());
    if (size != minimumSize() || size != maximumSize())
        setFixedSize(size);
}

void Readout::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    // A zoom step scales the size the reading had at 100%, which may be too small for
    // its larger text.
    const QSize hint = sizeHint();
    if (hint.width() > width() || hint.height() > height())
        fit();
}

void Readout::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        fit();
    }
}

}  // namespace fc
