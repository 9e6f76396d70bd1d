#pragma once

#include "figures/FigurePixmap.h"

#include <QPointer>
#include <QWidget>

class QAction;

namespace fc {

struct Figure;

// A figure in a top-level window of its own, scaled uniformly to fill it on white.
// One window per figure: opening a figure again raises its window. The windows are
// no pages; they close with Escape or Ctrl+W and go when the program ends.
class FigureWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the figure's window, made on first use, and makes it active. `opener` is
    // the widget it is opened from: its window's curve explorer action, if it has one,
    // serves the figure window too.
    static FigureWindow *open(const Figure &figure, const QWidget *opener = nullptr);
    // The figure's open window, if any.
    static FigureWindow *existing(const QString &figureName);
    // Deletes every figure window at once, as the program ends.
    static void closeAll();

    const Figure &figure() const { return m_figure; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    explicit FigureWindow(const Figure &figure);

    const Figure &m_figure;
    KeptFigure m_rendering;
    QPointer<QAction> m_explore;  // the opening page's, gone with its window
};

}  // namespace fc
