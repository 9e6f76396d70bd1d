#pragma once

#include "explorer/CurveModel.h"

#include <QObject>
#include <QVariantAnimation>

namespace fc {

// Carries the explorer's figure from one setting of the factors to another in small
// steps, so that the student sees the curves move rather than jump. Each step is a
// blend of the two settings; the last is exactly the new one.
class Glide : public QObject {
    Q_OBJECT
public:
    static constexpr int kDurationMs = 600;

    explicit Glide(QObject *parent = nullptr);

    void start(const Factors &from, const Factors &to);
    // Jumps a running glide to its end.
    void finish();
    bool isRunning() const;

signals:
    void step(const Factors &factors);

private:
    QVariantAnimation m_animation;
    Factors m_from;
    Factors m_to;
};

}  // namespace fc
