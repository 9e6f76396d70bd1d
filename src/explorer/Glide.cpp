#include "explorer/Glide.h"

#include "explorer/Prediction.h"

namespace fc {

Glide::Glide(QObject *parent) : QObject(parent)
{
    m_animation.setDuration(kDurationMs);
    m_animation.setStartValue(0.0);
    m_animation.setEndValue(1.0);
    m_animation.setEasingCurve(QEasingCurve::InOutCubic);
    connect(&m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &t) {
        emit step(between(m_from, m_to, t.toDouble()));
    });
    // The eased blend need not end on exactly 1: the last step is the new setting itself.
    connect(&m_animation, &QVariantAnimation::finished, this, [this] { emit step(m_to); });
}

void Glide::start(const Factors &from, const Factors &to)
{
    finish();
    m_from = from;
    m_to = to;
    m_animation.start();
}

void Glide::finish()
{
    if (isRunning())
        m_animation.setCurrentTime(kDurationMs);  // finishes it, with its last step
}

bool Glide::isRunning() const
{
    return m_animation.state() == QAbstractAnimation::Running;
}

}  // namespace fc

#include "moc_Glide.cpp"
