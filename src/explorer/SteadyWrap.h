#pragma once

#include <QWidget>

class QLabel;

namespace fc {

// Makes `label` wrap its text to the width it is given and take the height that needs,
// without asking for any width of its own.
QLabel *wrapping(QLabel *label);

// Holds a word-wrapped label whose text changes at every step of a slider, and asks its
// layout for room again only when the new text needs another height: a label in a
// layout has the whole window laid out again at every change of its text.
class SteadyWrap : public QWidget {
public:
    // Takes `label` as its child, wrapping its text to the width the layout gives.
    explicit SteadyWrap(QLabel *label, QWidget *parent = nullptr);

    // To be called after the label's text has changed.
    void textChanged();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_label;
};

}  // namespace fc
