#include "shell/DesignLayout.h"

#include "shell/Zoom.h"

#include <QAbstractScrollArea>
#include <QScrollArea>
#include <QFrame>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

namespace fc {

namespace {

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

// The layouts of `widget`, its own and those nested in it.
std::vector<QLayout *> layoutsOf(QWidget *widget)
{
    std::vector<QLayout *> found;
    if (QLayout *top = widget->layout()) {
        found.push_back(top);
        for (std::size_t i = 0; i < found.size(); ++i) {
            for (int item = 0; item < found[i]->count(); ++item) {
                if (QLayout *nested = found[i]->itemAt(item)->layout())
                    found.push_back(nested);
            }
        }
    }
    return found;
}

}  // namespace

DesignLayout::DesignLayout(QWidget *client) : m_client(client)
{
    record(client);
    QRect extent;
    for (const Control &c : m_controls) {
        if (c.place == Place::Own && c.widget->parentWidget() == client)
            extent |= c.geometry;
    }
    if (client->layout())
        m_leastClient = client->layout()->totalMinimumSize();
    m_room = client->layout() ? client->size()
                              : QSize(std::max(0, extent.right() + 1),
                                      std::max(0, extent.bottom() + 1));
}

void DesignLayout::apply(double zoom, QStyle *style) const
{
    for (const Control &c : m_controls) {
        QWidget *w = c.widget;
        if (!w)
            continue;
        if (w != m_client)
            w->setStyle(style);
        if (c.font)
            w->setFont(scaledFont(*c.font, zoom));
        if (c.minimumSize) {
            const QSize least(zoomed(c.minimumSize->width(), zoom),
                              zoomed(c.minimumSize->height(), zoom));
            if (c.fixed)
                w->setFixedSize(least);
            else
                w->setMinimumSize(least);
        }
        switch (c.place) {
        case Place::Own: w->setGeometry(scaledRect(c.geometry, zoom)); break;
        case Place::CoversParent: w->setGeometry(w->parentWidget()->rect()); break;
        case Place::Managed: break;
        }
    }
    // A window filled by its layout can be made no smaller than its zoomed controls.
    // It stays within the screen all the same.
    if (m_leastClient)
        m_client->setMinimumSize(QSize(zoomed(m_leastClient->width(), zoom),
                                       zoomed(m_leastClient->height(), zoom))
                                     .boundedTo(m_client->screen()->availableSize()));
    for (const FrameLine &f : m_frames) {
        if (f.frame)
            f.frame->setLineWidth(zoomed(f.lineWidth, zoom));
    }
    for (const TextMargin &t : m_texts) {
        if (!t.edit)
            continue;
        // Said quietly: the document would tell of its whole text as changed, and a
        // screen reader would read the answer again. Its layout follows all the same.
        const QSignalBlocker quiet(t.edit->document());
        t.edit->document()->setDocumentMargin(t.margin * zoom);
        t.edit->viewport()->update();
    }
    for (const LayoutSpacing &l : m_layouts) {
        if (!l.layout)
            continue;
        const QMargins &m = l.margins;
        l.layout->setContentsMargins(zoomed(m.left(), zoom), zoomed(m.top(), zoom),
                                     zoomed(m.right(), zoom), zoomed(m.bottom(), zoom));
        if (l.spacing >= 0)
            l.layout->setSpacing(zoomed(l.spacing, zoom));
    }
}

void DesignLayout::record(QWidget *widget)
{
    Control c{widget, widget->geometry(), Place::Own, std::nullopt, std::nullopt, false};
    QWidget *parent = widget->parentWidget();
    auto *area = qobject_cast<QScrollArea *>(parent ? parent->parentWidget() : nullptr);
    if (widget == m_client || (parent->layout() && parent->layout()->indexOf(widget) >= 0)
        || (area && area->widget() == widget))
        c.place = Place::Managed;
    else if (widget->geometry() == parent->rect())
        c.place = Place::CoversParent;
    // The client's font is made its own, so that whatever inherits it scales too.
    if (widget == m_client || widget->testAttribute(Qt::WA_SetFont))
        c.font = widget->font();
    if (widget != m_client && widget->minimumSize() != QSize(0, 0)) {
        c.minimumSize = widget->minimumSize();
        c.fixed = widget->minimumSize() == widget->maximumSize();
    }
    m_controls.push_back(c);
    if (auto *frame = qobject_cast<QFrame *>(widget);
        frame && frame->frameShape() != QFrame::StyledPanel)
        m_frames.push_back({frame, frame->lineWidth()});
    if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
        m_texts.push_back({edit, edit->document()->documentMargin()});
    for (QLayout *layout : layoutsOf(widget))
        m_layouts.push_back({layout, layout->contentsMargins(), layout->spacing()});
    // A scroll area's viewport and scroll bars are its own parts; what it scrolls is not.
    if (qobject_cast<QAbstractScrollArea *>(widget)) {
        if (auto *scrolled = qobject_cast<QScrollArea *>(widget); scrolled && scrolled->widget())
            record(scrolled->widget());
        return;
    }
    // Nor are the parts Qt gives a control of its own, such as a spin box's line.
    for (QObject *child : widget->children()) {
        if (auto *w = qobject_cast<QWidget *>(child);
            w && !w->isWindow() && !w->objectName().startsWith(QLatin1String("qt_")))
            record(w);
    }
}

}  // namespace fc
