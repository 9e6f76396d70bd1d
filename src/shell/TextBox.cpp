#include "shell/TextBox.h"

#include "shell/PageStyle.h"

#include <QEvent>

namespace fc {

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent) {}

bool TextBox::event(QEvent *event)
{
    // The frame is painted here, outside the viewport's own paint events.
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint && hasFocus())
        paintFocusFrame(this, palette().color(QPalette::Text));
    else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return handled;
}

}  // namespace fc
