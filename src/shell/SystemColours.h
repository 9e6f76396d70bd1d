#pragma once

#include <QColor>

namespace fc {

// The named system colours, following the user's colour scheme.
enum class SystemColour {
    HighlightText,     // white in the standard scheme
    WindowBackground,  // white
    TitleBarText,      // white
    ButtonHighlight,   // white
    ButtonText,        // black
};

QColor systemColour(SystemColour which);

}  // namespace fc
