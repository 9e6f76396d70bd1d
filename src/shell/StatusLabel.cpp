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
    if (text != this->text()) {
        setText(text);  // QLabel announces the new name itself
        return;
    }
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace fc
