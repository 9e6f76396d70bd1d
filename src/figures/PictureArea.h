#pragma once

#include <QFrame>

namespace fc {

struct Figure;

// A sunken-bordered area with a background colour that shows one figure (or none)
// from its top-left corner, scaled down uniformly to fit. Overlays are child
// PictureAreas at (0, 0) filling their container.
class PictureArea : public QFrame {
    Q_OBJECT
public:
    explicit PictureArea(QWidget *parent = nullptr);

    void setFigure(const Figure *figure);
    const Figure *figure() const { return m_figure; }

    void setBackground(const QColor &colour);
    QColor background() const;

    // The scale from canvas units to widget pixels used when painting.
    double figureScale() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Keeps overlays (child picture areas) covering this area.
    void resizeEvent(QResizeEvent *event) override;

private:
    const Figure *m_figure = nullptr;
};

}  // namespace fc
