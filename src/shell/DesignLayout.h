#pragma once

#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QRect>

#include <optional>
#include <vector>

class QFrame;
class QLayout;
class QPlainTextEdit;
class QStyle;
class QWidget;

namespace fc {

// A window's layout as built at 100%, remembered once, and shown scaled by a zoom:
// every control's place and size, its own font, frame line and text margin, the
// spacing of its layouts, and the room the whole client needs.
class DesignLayout {
public:
    explicit DesignLayout(QWidget *client);

    // Places and sizes everything for `zoom`; `style` (nullptr at 100%) is given to
    // every control but the client.
    void apply(double zoom, QStyle *style) const;

    // The client's size at 100%: the extent of the controls it places itself, or its
    // own size where a layout fills it.
    QSize room() const { return m_room; }

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
        std::optional<QSize> minimumSize;  // set on the control itself
        bool fixed;                        // and its maximum too
    };
    // A frame drawn by the control, not by the style.
    struct FrameLine {
        QPointer<QFrame> frame;
        int lineWidth;
    };
    struct TextMargin {
        QPointer<QPlainTextEdit> edit;
        qreal margin;
    };
    struct LayoutSpacing {
        QPointer<QLayout> layout;
        QMargins margins;
        int spacing;  // negative: none of its own
    };

    void record(QWidget *widget);

    QWidget *m_client;
    std::optional<QSize> m_leastClient;  // of a client filled by its layout
    QSize m_room;
    std::vector<Control> m_controls;  // parents before their children
    std::vector<FrameLine> m_frames;
    std::vector<TextMargin> m_texts;
    std::vector<LayoutSpacing> m_layouts;
};

}  // namespace fc
