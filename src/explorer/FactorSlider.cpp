#include "explorer/FactorSlider.h"

#include "shell/AccessibleRole.h"

namespace fc {

namespace {

class AccessibleFactorSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleFactorSlider(QSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return FactorSlider::spoken(slider()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QSlider *slider() const { return static_cast<QSlider *>(widget()); }
};

}  // namespace

FactorSlider::FactorSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    presentThrough<FactorSlider, AccessibleFactorSlider>();
}

QString FactorSlider::spoken(int percent)
{
    return tr("%1 percent of control").arg(percent);
}

}  // namespace fc

#include "moc_FactorSlider.cpp"
