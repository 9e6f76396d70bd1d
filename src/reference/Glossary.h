#pragma once

#include "shell/Page.h"

#include <array>

namespace fc {

class DrawnText;

// The 45 lines of abbreviations, definitions and formulas, as drawn on the window.
extern const std::array<const char *, 45> kGlossaryLines;

class Glossary : public Page {
    Q_OBJECT
public:
    explicit Glossary(Program &program);

    // Readies, out of sight, the font the page draws its lines in.
    static void prepare();

protected:
    WindowSettings windowSettings() const override;
    void buildControls(QWidget *client) override;
    void controlsDestroyed() override;
    void Form_Load() override;
    void Form_Activate() override;

private:
    DrawnText *m_text = nullptr;
};

}  // namespace fc
