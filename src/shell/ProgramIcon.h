#pragma once

#include <QIcon>

namespace fc {

// The program's window icon, drawn from the SVG file `svgFile` at each size asked
// for. Nothing is read or drawn until a size is first asked for, and no icon engine
// plugin is loaded: setting the icon costs nothing before the first window appears.
QIcon programIcon(const QString &svgFile);

}  // namespace fc
