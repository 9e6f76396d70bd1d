#pragma once

// Numbers as a reader sees them, in every text of the program: the user's locale, two
// decimal places, and a unit bound to its number so that no line ends between them.

#include <QString>

namespace fc {

QString twoPlaces(double value);
// "5.02 l/min", the blank a no-break space.
QString withUnit(double value, const QString &unit);
// "150%", as the factors are given.
QString percent(double value);

}  // namespace fc
