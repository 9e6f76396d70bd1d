#pragma once

#include "shell/Page.h"
#include "shell/SystemColours.h"

#include <QFont>

#include <span>

namespace fc {

class DrawnText;

// What a reference page draws on its window.
struct DrawnTextContent {
    std::span<const char *const> lines;
    QFont (*font)();
    SystemColour colour;
    const char *accessibleName;
};

// A page without controls: lines of text drawn straight onto its window, redrawn each
// time the window becomes active.
class DrawnTextPage : public Page {
    Q_OBJECT
public:
    DrawnTextPage(Program &program, PageId id, const WindowSettings &settings,
                  const DrawnTextContent &content);

protected:
    void buildControls(QWidget *client) override;
    void controlsDestroyed() override;
    void Form_Activate() override;

    DrawnText *m_text = nullptr;

private:
    DrawnTextContent m_content;
};

}  // namespace fc
