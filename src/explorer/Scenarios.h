#pragma once

#include "explorer/CurveModel.h"

#include <span>

namespace fc {

// A setting of the four factors that shows one topic of the interactions page, and
// what to look for in it.
struct Scenario {
    const char *name;
    Factors factors;
    const char *caption;
};

std::span<const Scenario> scenarios();

}  // namespace fc
