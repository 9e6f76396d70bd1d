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

    // Shows `text` at once but keeps announcing the text shown before, until
    // announce(): a summary that follows every step of a slider is read out once the
    // slider rests.
    void showUnannounced(const QString &text);
    // Announces the text on view as a change of name.
    void announce();
};

}  // namespace fc
