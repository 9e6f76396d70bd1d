#include "shell/TextBox.h"

#include "shell/PageStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QTextBlock>

namespace fc {

namespace {

// Steps down to about two thirds of the box's own font at most: far enough for the
// longest translation, and still readable.
constexpr int kMostSteps = 6;

// The longest explanation in any language is a few thousand characters. A longer text,
// pasted or typed by the student, scrolls at the box's own font: measuring and laying it
// out again at every step on each key would make typing into it crawl.
constexpr int kLongestFitted = 20000;

}  // namespace

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChanged, this, &TextBox::fitText);
}

double TextBox::textHeight() const
{
    QTextDocument *text = document();
    double height = 2 * text->documentMargin();
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
        height += text->documentLayout()->blockBoundingRect(block).height();
    return height;
}

void TextBox::fitText()
{
    if (m_fitting)
        return;
    m_fitting = true;
    // From the box's own font each time: a shorter text or a larger box gets it back.
    // Setting the font lays the text out again: only where it changes.
    const auto use = [this](const QFont &font) {
        if (document()->defaultFont() != font)
            document()->setDefaultFont(font);
    };
    QFont font = this->font();
    use(font);
    if (document()->characterCount() > kLongestFitted) {
        m_fitting = false;
        return;
    }
    for (int step = 0; step < kMostSteps && textHeight() > viewport()->height(); ++step) {
        font = smallerFont(font);
        use(font);
    }
    m_fitting = false;
}

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

void TextBox::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
}

void TextBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    fitText();
}

}  // namespace fc

#include "moc_TextBox.cpp"
