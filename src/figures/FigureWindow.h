#pragma once

#include "figures/Figure.h"

#include <QAction>
#include <QPointer>
#include <QWidget>

namespace fc {

// A figure in a top-level window of its own, scaled uniformly to fill it on white.
// One window per figure: opening a figure again raises its window. The windows are
// no pages; they close with Escape or Ctrl+W and go when the program ends.
class FigureWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the figure's window, made on first use, and makes it active. The window
    // keeps the figure. `explore` is the curve explorer action of the page it is opened
    // from, if any: it serves the figure window too.
    static FigureWindow *open(SharedFigure figure, QAction *explore = nullptr);
    static FigureWindow *open(const Figure &catalogueFigure, QAction *explore = nullptr)
    {
        return open(catalogued(catalogueFigure), explore);
    }
    // The figure's open window, if any.
    static FigureWindow *existing(const QString &figureName);
    // Deletes every figure window at once, as the program ends.
    static void closeAll();

    const Figure &figure() const { return *m_figure; }

    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    explicit FigureWindow(SharedFigure figure);

    const SharedFigure m_figure;
    QAction *m_preview = nullptr;
    QPointer<QAction> m_explore;  // the opening page's, gone with its window
};

}  // namespace fc
