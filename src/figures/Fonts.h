#pragma once

#include "figures/Figure.h"

#include <QFont>

namespace fc {

// Maps the program's faces (MS Sans Serif, Arial, Arial Black, Times New Roman, the
// symbol fonts) to metric-compatible installed fonts where the originals are
// missing. Called once at start-up, before any widget or figure is drawn; calling it
// again does nothing.
void installFontSubstitutes();

// A font of the given face with its size in pixels (canvas units in figures).
QFont fontFor(Face face, double pixelSize, bool bold = false, bool italic = false);

// A font for the pages' controls: the face by its own name where it is installed,
// else its stand-in by name. For a family it does not know, Qt searches the font
// configuration at every new size before it tries the substitute: a tenth of the
// program's start-up. Figures keep their faces' names, which exported files list.
QFont controlFont(Face face, double pixelSize, bool bold);

// The family drawn for `face`: its own where installed, else its stand-in.
QString drawnFamily(Face face);

// The family a font of `face` asks for, and the same as a CSS font-family list: that
// name first, then the stand-in drawn where it is missing, then a generic family, so
// that other programs showing an exported figure find the faces the program used.
QString familyOf(Face face);
QString cssFamilies(Face face);

// Draws the printable ASCII characters once, out of sight, in `font` at the screen's
// pixel ratio: the font is resolved and its glyphs rasterized before a page needs them.
void prepareGlyphs(const QFont &font);

}  // namespace fc
