#include "reference/Instructions.h"

#include "figures/Fonts.h"
#include "reference/DrawnText.h"
#include "shell/SystemColours.h"
#include "shell/Twips.h"

#include <QVBoxLayout>

namespace fc {

// The first line is a single space, so the visible text begins on the second line.
const std::array<const char *, 20> kInstructionLines = {
    " ",
    "  This interactive learning module consists of five major segments ",
    "",
    "  1.    CARDIAC FUNCTION CURVES (CFC) in which their main features are introduced ",
    "",
    "  2.    VASCULAR FUNCTION CURVES (VFC) in which their main features are introduced ",
    "          and the relationship between Vascular and Cardiac Functions are explained",
    "",
    "  3.    INTERACTIONS AND CHANGES in which both Cardiac and Vascular Function curves ",
    "         are used to examine and interpret changes in function.",
    "",
    "  4.    GLOSSARY wiht abbreviations and definitions",
    "",
    "  5.    TEST which provides you the opportunity to evaluate your understanding",
    "          by taking a multiple choice practice test with explanations of answers.",
    "",
    "  To begin, we recommend that you start by clicking on Cardiac Function Curves.",
    "",
    " Those of you who are already familiar with the material may choose to proceed directly to ",
    "  the test. It and its explanations should provide you with excellent practice and preparation. ",};

Instructions::Instructions(Program &program) : Page(program, PageId::Instructions) {}

WindowSettings Instructions::windowSettings() const
{
    return {"Instructions", "Instructions", QColor(0, 0, 192), twipsSize(9435, 5055),
            WindowPlacement::Centred, {}};
}

void Instructions::buildControls(QWidget *client)
{
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    m_text = new DrawnText(kInstructionLines,
                           fontFor(Face::MsSansSerif, pointsToPixels(9.75), true),
                           systemColour(SystemColour::HighlightText), client);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setAccessibleName(QStringLiteral("How to use this learning module"));
    layout->addWidget(m_text);
}

void Instructions::controlsDestroyed()
{
    m_text = nullptr;
}

void Instructions::Form_Activate()
{
    m_text->update();
}

}  // namespace fc
