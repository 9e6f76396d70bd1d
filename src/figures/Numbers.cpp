#include "figures/Numbers.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace fc {

QString twoPlaces(double value)
{
    return QLocale().toString(value, 'f', 2);
}

QString withUnit(double value, const QString &unit)
{
    return twoPlaces(value) + QChar(QChar::Nbsp) + unit;
}

QString percent(double value)
{
    // Whether a blank goes before the sign is the language's choice ("25 %" in German).
    return QCoreApplication::translate("fc::Numbers", "%1%").arg(QLocale().toString(std::lround(value)));
}

}  // namespace fc
