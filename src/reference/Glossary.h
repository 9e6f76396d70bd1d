#pragma once

#include "reference/DrawnTextPage.h"

#include <array>

namespace fc {

// The 45 lines of abbreviations, definitions and formulas, as drawn on the window.
extern const std::array<const char *, 45> kGlossaryLines;

class Glossary : public DrawnTextPage {
    Q_OBJECT
public:
    explicit Glossary(Program &program);

    // Readies, out of sight, the font the page draws its lines in.
    static void prepare();

protected:
    void Form_Load() override;
};

}  // namespace fc
