#include "shell/SystemColours.h"

#include <QGuiApplication>
#include <QPalette>

namespace fc {

QColor systemColour(SystemColour which)
{
    const QPalette palette = QGuiApplication::palette();
    switch (which) {
    case SystemColour::HighlightText: return palette.color(QPalette::HighlightedText);
    case SystemColour::WindowBackground: return palette.color(QPalette::Base);
    // Qt has no caption-text role; the highlighted-text colour is its nearest kin and
    // white in the standard scheme, as the caption text is.
    case SystemColour::TitleBarText: return palette.color(QPalette::HighlightedText);
    case SystemColour::ButtonHighlight: return palette.color(QPalette::Light);
    case SystemColour::ButtonText: return palette.color(QPalette::ButtonText);
    }
    return Qt::white;
}

}  // namespace fc
