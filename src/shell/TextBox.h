#pragma once

#include <QPlainTextEdit>

namespace fc {

// A multi-line text box whose frame shows the keyboard focus.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};

}  // namespace fc
