#pragma once

#include <QPlainTextEdit>

namespace fc {

// A multi-line text box whose frame shows the keyboard focus. Its text never needs a
// scroll bar: a text too long for the box at the box's font (a translation runs
// longer than the English) is shown a font step smaller, as many steps as it takes.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // The height the laid-out text needs, margins included.
    double textHeight() const;

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitText();

    bool m_fitting = false;
};

}  // namespace fc
