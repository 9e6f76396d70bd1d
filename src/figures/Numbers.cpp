#include "figures/Numbers.h"

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
    return QLocale().toString(std::lround(value)) + QLocale().percent();
}

}  // namespace fc
