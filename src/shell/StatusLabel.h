#pragma once

#include <QLabel>

namespace fc {

// A label that reports the outcome of the user's last action. Assistive technology
// sees it as a status whose name is the text on view.
class StatusLabel : public QLabel {
    Q_OBJECT
public:
    explicit StatusLabel(QWidget *parent = nullptr);

    // Shows `text` and announces it as a change of name, also when the text on view
    // is the same: a second wrong answer is news as much as the first.
    void setStatus(const QString &text);
};

}  // namespace fc
