#pragma once

#include "figures/FigurePixmap.h"

#include <QAction>
#include <QFrame>
#include <QPointer>

#include <optional>

namespace fc {

struct Figure;

// A sunken-bordered area with a background colour that shows one figure (or none)
// from its top-left corner, scaled down uniformly to fit. Overlays are child
// PictureAreas at (0, 0) filling their container.
//
// For assistive technology the area is a graphic named and described after the
// figure on view: its topmost overlay not hidden, else its own figure.
// What a user would call the figure: a short name in words ("Empty figure area" for
// none). Picture areas and figure windows are named by it for assistive technology.
QString figureTitle(const Figure *figure);

class PictureArea : public QFrame {
    Q_OBJECT
public:
    explicit PictureArea(QWidget *parent = nullptr);

    // A catalogue figure (Figure.h), or nullptr.
    void setFigure(const Figure *figure);
    const Figure *figure() const { return m_figure; }

    // The page's action that opens the curve explorer, offered in the context menu
    // and by the figure windows opened from here.
    void setExploreAction(QAction *explore) { m_explore = explore; }

    void setBackground(const QColor &colour);
    QColor background() const;

    // The scale from canvas units to widget pixels used when painting.
    double figureScale() const;

    QSize sizeHint() const override;

    // The figure a user sees in this area: the one of its topmost overlay that is not
    // hidden, else its own (nullptr: none).
    const Figure *figureOnView() const;

    // Paints `figure` once, out of sight, as an area of `size` shows it: its fonts and
    // glyphs are then ready when a page first shows it. A figure on view when its page
    // opens is given the area's background, `keepOn`, and its rendering is kept for
    // that first paint.
    static void prepare(const Figure &figure, const QSize &size,
                        const std::optional<QColor> &keepOn = std::nullopt);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // The figure on view opens in its own window on a double-click, or on Enter or
    // Space while the area has the focus; the context menu exports it.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The focus mark is drawn over the figure on view, an overlay's included.
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // Keeps overlays (child picture areas) covering this area.
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Names and describes the area after the figure on view.
    void describeFigureOnView();
    // Lets the container follow when this overlay is shown, hidden, restacked or
    // given a figure.
    void tellContainer();
    void updateWithOverlays();

    const Figure *m_figure = nullptr;
    QPointer<QAction> m_explore;
    KeptFigure m_rendering;
    std::optional<size_t> m_coloursKey;  // of the palette, worked out when first painted
};

}  // namespace fc
