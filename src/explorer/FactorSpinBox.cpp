#include "explorer/FactorSpinBox.h"

#include <QLocale>

#include <algorithm>

namespace fc {

namespace {

// More digits than any range needs: a value beyond that is a slip, not a wish.
constexpr int kMostDigits = 4;

}  // namespace

FactorSpinBox::FactorSpinBox(QWidget *parent) : QSpinBox(parent)
{
    setSuffix(QStringLiteral(" %"));
}

std::optional<int> FactorSpinBox::typed(const QString &input) const
{
    QString number = input;
    if (number.endsWith(suffix()))
        number.chop(suffix().size());
    number = number.trimmed();
    if (number.isEmpty() || number.size() > kMostDigits)
        return std::nullopt;
    bool ok = false;
    const int value = locale().toInt(number, &ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QValidator::State FactorSpinBox::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    // Out of range, but a number: kept while typing, made to fit by fixup().
    const std::optional<int> value = typed(input);
    return value && *value >= 0 ? QValidator::Intermediate : QValidator::Invalid;
}

void FactorSpinBox::fixup(QString &input) const
{
    if (const std::optional<int> value = typed(input))
        input = textFromValue(std::clamp(*value, minimum(), maximum())) + suffix();
    else
        QSpinBox::fixup(input);
}

}  // namespace fc
