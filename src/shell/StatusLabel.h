#pragma once

#include <QLabel>

namespace fc {

// A label that reports the outcome of the user's last action. Assistive technology
// sees it as a status whose name is the text on view; QLabel announces each change of
// that text as a change of name.
class StatusLabel : public QLabel {
    Q_OBJECT
public:
    explicit StatusLabel(QWidget *parent = nullptr);
};

}  // namespace fc
