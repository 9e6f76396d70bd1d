#pragma once

#include <QPushButton>

namespace fc {

// A push button whose caption wraps onto further lines at word boundaries when it is
// wider than the button, as narrow buttons with two-word captions need. Space, Enter
// and Return press it; its focus mark shows however the focus came to it.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString &text, QWidget *parent = nullptr);

    void setFill(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

}  // namespace fc
