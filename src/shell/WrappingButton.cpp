#include "shell/WrappingButton.h"

#include "shell/PageStyle.h"
#include "shell/Zoom.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace fc {

WrappingButton::WrappingButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
}

void WrappingButton::setFill(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, colour);
    setPalette(palette);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    // A flat face in exactly the button's colour with a raised edge: styles that
    // shade the face would wash out the green and yellow that tell the buttons apart.
    QPainter painter(this);
    const double zoom = zoomFactor(this);
    const QColor faceColour = palette().color(QPalette::Button);
    const QBrush face(faceColour);
    paintZoomed(painter, rect(), zoom, [&](const QRect &edge) {
        qDrawWinButton(&painter, edge, palette(), isDown(), &face);
    });

    const int x = zoomed(4, zoom);
    const int y = zoomed(3, zoom);
    QRect textRect = rect().adjusted(x, y, -x, -y);
    if (isDown())
        textRect.translate(zoomed(1, zoom), zoomed(1, zoom));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());

    if (hasFocus()) {
        // In black or white, whichever the face shows best: the style's own mark takes
        // a colour near the green of Start and vanishes on it.
        const QRect around =
            painter.boundingRect(textRect, Qt::AlignCenter | Qt::TextWordWrap, text())
                .adjusted(-zoomed(2, zoom), -zoomed(1, zoom), zoomed(2, zoom), zoomed(1, zoom));
        paintFocusMark(painter, around, focusColourOn(faceColour), zoom);
    }
}

void WrappingButton::keyPressEvent(QKeyEvent *event)
{
    // Outside a dialog QPushButton leaves Enter and Return to its window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace fc

#include "moc_WrappingButton.cpp"
