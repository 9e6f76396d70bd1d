#include "shell/StatusLabel.h"

#include "shell/AccessibleRole.h"

namespace fc {

namespace {

class AccessibleStatus : public QAccessibleWidget {
public:
    explicit AccessibleStatus(QLabel *label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

}  // namespace

StatusLabel::StatusLabel(QWidget *parent) : QLabel(parent)
{
    presentThrough<StatusLabel, AccessibleStatus>();
}

void StatusLabel::setStatus(const QString &text)
{
    // Screen readers pass over a change of name to the name they already have, so the
    // same text again is announced as a change from empty. Both changes come before the
    // next paint: the empty text is never seen.
    if (text == this->text())
        clear();
    setText(text);  // QLabel announces the new name itself
}

void StatusLabel::showUnannounced(const QString &text)
{
    // While a name is set, QLabel announces no change of text.
    if (accessibleName().isEmpty())
        setAccessibleName(this->text());
    setText(text);
}

void StatusLabel::announce()
{
    // Without a name of its own the label is named by its text again.
    setAccessibleName(QString());
}

}  // namespace fc

#include "moc_StatusLabel.cpp"
