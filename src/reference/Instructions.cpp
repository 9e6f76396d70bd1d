#include "reference/Instructions.h"

#include "shell/PageStyle.h"
#include "shell/Twips.h"

namespace fc {

// The first line is a single space, so the visible text begins on the second line.
namespace {

const char *const kInstructionLines[] = {
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

}  // namespace

Instructions::Instructions(Program &program)
    : DrawnTextPage(program, PageId::Instructions,
                    {"Instructions", "Instructions", pageColour::darkBlue, twipsSize(9435, 5055),
                     WindowPlacement::Centred, {}},
                    {kInstructionLines, &pageFont, SystemColour::HighlightText,
                     "How to use this learning module"})
{
}

}  // namespace fc
