#pragma once

#include "reference/DrawnTextPage.h"

namespace fc {

// 45 lines of abbreviations, definitions and formulas.
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
