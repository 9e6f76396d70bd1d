#pragma once

#include <QAccessibleWidget>

namespace fc {

template <typename Widget, QAccessible::Role role>
QAccessibleInterface *accessibleAs(const QString &className, QObject *object)
{
    if (className == QLatin1String(Widget::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), role);
    return nullptr;
}

// Has screen readers present every widget of class `Widget` in `role`. Called from the
// class's constructor; the factory is installed once, however many are built.
template <typename Widget, QAccessible::Role role>
void presentAs()
{
    static const bool installed = (QAccessible::installFactory(&accessibleAs<Widget, role>), true);
    Q_UNUSED(installed);
}

}  // namespace fc
