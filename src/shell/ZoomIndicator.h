#pragma once

#include "shell/StatusLabel.h"

class QGraphicsOpacityEffect;
class QSequentialAnimationGroup;

namespace fc {

// The zoom level shown for a moment over a window's top right-hand corner and read
// out by screen readers; it fades and then deletes itself. Its fade is its child, so
// nothing points at it once it is gone.
class ZoomIndicator : public StatusLabel {
    Q_OBJECT
public:
    explicit ZoomIndicator(QWidget *window);

    // Shows `text` with its right-hand edge at `topRight`, in the window's coordinates.
    void showLevel(const QString &text, const QPoint &topRight);

private:
    QGraphicsOpacityEffect *m_opacity;
    QSequentialAnimationGroup *m_fade;
};

}  // namespace fc
