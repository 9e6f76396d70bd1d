#include "shell/StatusLabel.h"

#include <QAccessibleWidget>

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

QAccessibleInterface *statusFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("fc::StatusLabel") && object->isWidgetType())
        return new AccessibleStatus(static_cast<QLabel *>(object));
    return nullptr;
}

}  // namespace

StatusLabel::StatusLabel(QWidget *parent) : QLabel(parent)
{
    static const bool installed = (QAccessible::installFactory(statusFactory), true);
    Q_UNUSED(installed);
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
