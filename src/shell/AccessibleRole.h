#pragma once

#include <QAccessibleWidget>

namespace fc {

// The interface screen readers get for every widget of class `Widget`: `Interface`,
// built on the widget. Installed once, however many widgets are built.
template <typename Widget, typename Interface>
QAccessibleInterface *accessibleThrough(const QString &className, QObject *object)
{
    if (className == QLatin1String(Widget::staticMetaObject.className()) && object->isWidgetType())
        return new Interface(static_cast<Widget *>(object));
    return nullptr;
}

// Has screen readers see every widget of class `Widget` through `Interface`, which is
// constructed from a Widget *. Called from the class's constructor.
template <typename Widget, typename Interface>
void presentThrough()
{
    static const bool installed =
        (QAccessible::installFactory(&accessibleThrough<Widget, Interface>), true);
    Q_UNUSED(installed);
}

// A plain widget interface in a fixed role.
template <QAccessible::Role fixedRole>
class AccessibleInRole : public QAccessibleWidget {
public:
    explicit AccessibleInRole(QWidget *widget) : QAccessibleWidget(widget, fixedRole) {}
};

// Has screen readers present every widget of class `Widget` in `role`.
template <typename Widget, QAccessible::Role role>
void presentAs()
{
    presentThrough<Widget, AccessibleInRole<role>>();
}

}  // namespace fc
