#include "shell/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

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
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                         .adjusted(margin, 0, -margin, 0);
    if (isDown())
        textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

}  // namespace fc
