#pragma once

// The explorer's numbers held against its figure: what the readouts and the summary
// say must be where the markers are drawn, read back from the figure on view.

#include "explorer/CurvesView.h"
#include "explorer/Explorer.h"
#include "figures/SharedElements.h"

#include <QLabel>
#include <QRegularExpression>

namespace fc::testing {

// The first number in `text`, or NaN.
inline double numberIn(const QString &text)
{
    const auto m = QRegularExpression(QStringLiteral("-?\\d+\\.\\d+")).match(text);
    return m.hasMatch() ? m.captured().toDouble() : std::nan("");
}

// An empty string, or how the readouts and the summary differ from the markers.
inline QString readoutsMismatch(Explorer &explorer)
{
    const auto shown = [&explorer](const char *name) {
        const auto *label = explorer.findChild<QLabel *>(QLatin1String(name));
        return label ? label->text() : QString();
    };
    const double cvp = numberIn(shown("operatingCvp"));
    const double co = numberIn(shown("operatingCo"));
    const double msfp = numberIn(shown("msfp"));
    std::optional<QPointF> point, foot;
    for (const Element &e : explorer.findChild<CurvesView *>()->curves().elements) {
        if (const auto *c = std::get_if<CircleElement>(&e); c && c->fill)
            (*c->fill == colour::black ? point : foot) = Axes{}.toAxis(c->centre);
    }
    const auto near = [](double a, double b) { return std::abs(a - b) <= 0.0051; };
    // Past the plot's right edge neither is marked.
    if (point ? !near(point->x(), cvp) || !near(point->y(), co) : cvp <= 12)
        return QStringLiteral("operating point read %1, %2; drawn at %3, %4")
            .arg(cvp).arg(co).arg(point ? point->x() : -1).arg(point ? point->y() : -1);
    if (foot ? !near(foot->x(), msfp) || std::abs(foot->y()) > 1e-9 : msfp <= 12)
        return QStringLiteral("MSFP read %1, drawn at %2").arg(msfp).arg(foot ? foot->x() : -1);
    // The summary says what the readouts say, at once.
    const QString summary = shown("announcement");
    for (const char *name : {"operatingCvp", "operatingCo", "msfp"}) {
        const QString bound = shown(name).replace(QLatin1Char(' '), QChar(QChar::Nbsp));
        if (!summary.contains(bound))
            return QStringLiteral("summary \"%1\" lacks %2").arg(summary, bound);
    }
    return {};
}

}  // namespace fc::testing
