#pragma once

// Predict, then see: what a student predicts about a change of the explorer's factors,
// and how the model's answer is judged and told. Plain data and functions; the panel
// that asks is PredictPanel.h.

#include "explorer/CurveModel.h"
#include "explorer/Scenarios.h"

#include <QString>

#include <array>

namespace fc {

enum class Direction { Up, Same, Down };

// The three values a student predicts, in the order they are asked.
enum class Quantity { Cvp, Co, Msfp };
inline constexpr std::array<Quantity, 3> kQuantities{Quantity::Cvp, Quantity::Co, Quantity::Msfp};

// A change smaller than this (mmHg or l/min) counts as about the same.
inline constexpr double kSameWithin = 0.10;

// CVP, CO and MSFP at one setting of the factors.
struct Readings {
    std::array<double, 3> values{};

    double operator[](Quantity q) const { return values[std::size_t(q)]; }
};

Readings readingsAt(const Factors &factors);

Direction directionOf(double before, double after);

// Blends two settings: 0 gives `from`, 1 gives `to`.
Factors between(const Factors &from, const Factors &to, double t);

struct Verdict {
    bool correct = false;
    QString text;  // "Correct. CVP rose from 2.13 to 2.83 mmHg."
};

Verdict judge(Quantity quantity, Direction predicted, double before, double after);

// One line naming each factor that moves and where to, such as "Contractility falls to
// 50% of control."; empty when none does.
QString whatWillChange(const Factors &from, const Factors &to);

// Where a scenario starts: the first step's state for a second step ("Blood loss
// after reflexes" starts from "Blood loss"), control for every other.
Factors startingState(const Scenario &scenario);

// Right predictions out of all made, for as long as the window is open.
struct Tally {
    int correct = 0;
    int total = 0;

    void add(bool right)
    {
        correct += right ? 1 : 0;
        ++total;
    }
    QString text() const;  // "5 of 6 correct"
};

}  // namespace fc
