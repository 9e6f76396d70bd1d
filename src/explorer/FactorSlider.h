#pragma once

#include <QSlider>

namespace fc {

// A factor's slider, in percent of control. Screen readers hear its value with its
// unit and can set it.
class FactorSlider : public QSlider {
    Q_OBJECT
public:
    explicit FactorSlider(QWidget *parent = nullptr);

    // "80 percent of control", as a screen reader says the value.
    static QString spoken(int percent);
};

}  // namespace fc
