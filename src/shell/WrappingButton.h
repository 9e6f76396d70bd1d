#pragma once

#include <QPushButton>

namespace fc {

// A push button whose caption wraps onto further lines at word boundaries when it is
// wider than the button, as narrow buttons with two-word captions need.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString &text, QWidget *parent = nullptr);

    void setFill(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace fc
