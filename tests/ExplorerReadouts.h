#pragma once

// The explorer's numbers held against its figure: the readouts and the summary must
// say where the markers are drawn, read back from the figure on view.

#include "explorer/CurvesView.h"
#include "explorer/Explorer.h"
#include "figures/SharedElements.h"

#include <QLabel>
#include <QRegularExpression>

namespace fc::testing {

// An empty string, or how the readouts and the summary differ from the markers.
inline QString readoutsMismatch(Explorer &explorer)
{
    const auto shown = [&explorer](const char *name) {
        return explorer.findChild<QLabel *>(QLatin1String(name))->text();
    };
    const auto number = [&](const char *name) {
        return QRegularExpression(QStringLiteral("-?\\d+\\.\\d+")).match(shown(name)).captured().toDouble();
    };
    const QPointF read(number("operatingCvp"), number("operatingCo"));
    const double msfp = number("msfp");
    QPointF point(99, 99), foot(99, 99);  // past the plot's right edge, neither is marked
    for (const Element &e : explorer.findChild<CurvesView *>()->curves().elements) {
        if (const auto *c = std::get_if<CircleElement>(&e); c && c->fill)
            (*c->fill == colour::black ? point : foot) = Axes{}.toAxis(c->centre);
    }
    const auto near = [](QPointF a, QPointF b) { return (a - b).manhattanLength() <= 0.0101; };
    if (!near(point, read) && !(point.x() == 99 && read.x() > 12))
        return QStringLiteral("operating point read %1, %2").arg(read.x()).arg(read.y());
    if (!near(foot, {msfp, 0}) && !(foot.x() == 99 && msfp > 12))
        return QStringLiteral("MSFP read %1, drawn at %2").arg(msfp).arg(foot.x());
    for (const char *name : {"operatingCvp", "operatingCo", "msfp"}) {
        const QString bound = shown(name).replace(QLatin1Char(' '), QChar(QChar::Nbsp));
        if (!shown("announcement").contains(bound))
            return QStringLiteral("summary \"%1\" lacks %2").arg(shown("announcement"), bound);
    }
    return {};
}

}  // namespace fc::testing
