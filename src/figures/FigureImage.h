#pragma once

#include <QWidget>

namespace fc {

struct Figure;

// A figure scaled uniformly to fill the widget on white: the picture of a figure
// window. For assistive technology it is an image named and described after the
// figure.
class FigureImage : public QWidget {
    Q_OBJECT
public:
    // `figure` is a catalogue entry, which lives for the whole run.
    explicit FigureImage(const Figure &figure, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const Figure &m_figure;
};

}  // namespace fc
