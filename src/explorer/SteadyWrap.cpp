#include "explorer/SteadyWrap.h"

#include <QLabel>

namespace fc {

QLabel *wrapping(QLabel *label)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    label->setSizePolicy(policy);
    return label;
}

SteadyWrap::SteadyWrap(QLabel *label, QWidget *parent) : QWidget(parent), m_label(label)
{
    label->setParent(this);
    // The holder takes the place the wrapped label would have had in the layout.
    setSizePolicy(wrapping(label)->sizePolicy());
}

void SteadyWrap::textChanged()
{
    // Before it is on view the window is still measuring itself from it.
    if (!isVisible() || heightForWidth(width()) != height())
        updateGeometry();
}

QSize SteadyWrap::sizeHint() const
{
    return m_label->sizeHint();
}

QSize SteadyWrap::minimumSizeHint() const
{
    return m_label->minimumSizeHint();
}

int SteadyWrap::heightForWidth(int width) const
{
    return m_label->heightForWidth(width);
}

void SteadyWrap::resizeEvent(QResizeEvent *)
{
    m_label->setGeometry(rect());
}

}  // namespace fc
