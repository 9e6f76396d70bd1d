#pragma once

#include "reference/DrawnTextPage.h"

#include <array>

namespace fc {

// The 20 lines of the instructions, as drawn on the window.
extern const std::array<const char *, 20> kInstructionLines;

class Instructions : public DrawnTextPage {
    Q_OBJECT
public:
    explicit Instructions(Program &program);
};

}  // namespace fc
