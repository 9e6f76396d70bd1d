#pragma once

#include <QSpinBox>

#include <optional>

namespace fc {

// A factor's spin box, in percent of control. A number typed outside its range is
// taken, once the typing ends, as the nearest end of the range rather than dropped.
class FactorSpinBox : public QSpinBox {
public:
    explicit FactorSpinBox(QWidget *parent = nullptr);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    // The number in `input` without the suffix, if it is one.
    std::optional<int> typed(const QString &input) const;
};

}  // namespace fc
