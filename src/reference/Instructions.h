#pragma once

#include "shell/Page.h"

#include <array>

namespace fc {

class DrawnText;

// The 20 lines of the instructions, as drawn on the window.
extern const std::array<const char *, 20> kInstructionLines;

class Instructions : public Page {
    Q_OBJECT
public:
    explicit Instructions(Program &program);

protected:
    WindowSettings windowSettings() const override;
    void buildControls(QWidget *client) override;
    void controlsDestroyed() override;
    void Form_Activate() override;

private:
    DrawnText *m_text = nullptr;
};

}  // namespace fc
