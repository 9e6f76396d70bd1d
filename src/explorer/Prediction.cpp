#include "explorer/Prediction.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace fc {

namespace {

// The second steps of the scenarios, each with the step it follows.
struct SecondStep {
    const char *scenario;
    const char *after;
};

constexpr SecondStep kSecondSteps[] = {
    {"Blood loss after reflexes", "Blood loss"},
    {"Standing up after reflexes", "Standing up"},
    {"Moderate heart failure with fluid retention", "Moderate heart failure"},
    {"Severe heart failure with fluid retention", "Severe heart failure"},
};

struct FactorMove {
    double Factors::*value;
    const char *rises;
    const char *falls;
};

constexpr FactorMove kFactorMoves[] = {
    {&Factors::contractility, QT_TRANSLATE_NOOP("Prediction", "Contractility rises to %1% of control"),
     QT_TRANSLATE_NOOP("Prediction", "Contractility falls to %1% of control")},
    {&Factors::bloodVolume,
     QT_TRANSLATE_NOOP("Prediction", "Stressed blood volume rises to %1% of control"),
     QT_TRANSLATE_NOOP("Prediction", "Stressed blood volume falls to %1% of control")},
    {&Factors::venousCompliance,
     QT_TRANSLATE_NOOP("Prediction", "Venous compliance rises to %1% of control"),
     QT_TRANSLATE_NOOP("Prediction", "Venous compliance falls to %1% of control")},
    {&Factors::resistance,
     QT_TRANSLATE_NOOP("Prediction", "Total peripheral resistance rises to %1% of control"),
     QT_TRANSLATE_NOOP("Prediction", "Total peripheral resistance falls to %1% of control")},
};

// What happened to one value, by quantity and direction: rose, about the same, fell.
// A number keeps its unit on its line.
constexpr const char *kChanges[3][3] = {
    {QT_TRANSLATE_NOOP("Prediction", "CVP rose from %1 to %2\u00a0mmHg."),
     QT_TRANSLATE_NOOP("Prediction", "CVP stayed about the same, from %1 to %2\u00a0mmHg."),
     QT_TRANSLATE_NOOP("Prediction", "CVP fell from %1 to %2\u00a0mmHg.")},
    {QT_TRANSLATE_NOOP("Prediction", "CO rose from %1 to %2\u00a0l/min."),
     QT_TRANSLATE_NOOP("Prediction", "CO stayed about the same, from %1 to %2\u00a0l/min."),
     QT_TRANSLATE_NOOP("Prediction", "CO fell from %1 to %2\u00a0l/min.")},
    {QT_TRANSLATE_NOOP("Prediction", "MSFP rose from %1 to %2\u00a0mmHg."),
     QT_TRANSLATE_NOOP("Prediction", "MSFP stayed about the same, from %1 to %2\u00a0mmHg."),
     QT_TRANSLATE_NOOP("Prediction", "MSFP fell from %1 to %2\u00a0mmHg.")},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("Prediction", text);
}

const Scenario *scenarioNamed(const char *name)
{
    const auto all = scenarios();
    const auto found = std::find_if(all.begin(), all.end(), [name](const Scenario &s) {
        return std::string_view(s.name) == name;
    });
    return found == all.end() ? nullptr : &*found;
}

}  // namespace

Readings readingsAt(const Factors &factors)
{
    const OperatingPoint p = operatingPoint(factors);
    return {{p.cvp, p.co, meanSystemicFillingPressure(factors)}};
}

Direction directionOf(double before, double after)
{
    const double change = after - before;
    if (std::abs(change) < kSameWithin)
        return Direction::Same;
    return change > 0 ? Direction::Up : Direction::Down;
}

Factors between(const Factors &from, const Factors &to, double t)
{
    Factors f;
    for (const FactorMove &m : kFactorMoves)
        f.*m.value = from.*m.value + t * (to.*m.value - from.*m.value);
    return f;
}

Verdict judge(Quantity quantity, Direction predicted, double before, double after)
{
    const Direction actual = directionOf(before, after);
    const QLocale locale;
    const QString change = translated(kChanges[int(quantity)][int(actual)])
                               .arg(locale.toString(before, 'f', 2), locale.toString(after, 'f', 2));
    const bool correct = predicted == actual;
    return {correct, correct ? QCoreApplication::translate("Prediction", "Correct. %1").arg(change)
                             : QCoreApplication::translate("Prediction", "Incorrect. %1").arg(change)};
}

QString whatWillChange(const Factors &from, const Factors &to)
{
    QStringList moves;
    for (const FactorMove &m : kFactorMoves) {
        const double a = from.*m.value, b = to.*m.value;
        if (a != b)
            moves << translated(b > a ? m.rises : m.falls).arg(QLocale().toString(std::lround(b)));
    }
    if (moves.isEmpty())
        return {};
    return QCoreApplication::translate("Prediction", "%1.", "a list of changes ends")
        .arg(moves.join(QCoreApplication::translate("Prediction", ". ", "between changes")));
}

Factors startingState(const Scenario &scenario)
{
    for (const SecondStep &step : kSecondSteps) {
        if (std::string_view(step.scenario) == scenario.name) {
            if (const Scenario *first = scenarioNamed(step.after))
                return first->factors;
        }
    }
    return Factors{};
}

QString Tally::text() const
{
    return QCoreApplication::translate("Prediction", "%1 of %n correct", nullptr, total)
        .arg(QLocale().toString(correct));
}

}  // namespace fc
