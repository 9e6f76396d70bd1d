#include "reference/Instructions.h"

#include "shell/PageStyle.h"
#include "shell/Twips.h"

namespace fc {

// The first line is a single space, so the visible text begins on the second line.
namespace {

const char *const kInstructionLines[] = {
    QT_TRANSLATE_NOOP("Reference", " "),
    QT_TRANSLATE_NOOP("Reference", "  This interactive learning module consists of five major segments "),
    "",
    QT_TRANSLATE_NOOP("Reference", "  1.    CARDIAC FUNCTION CURVES (CFC) in which their main features are introduced "),
    "",
    QT_TRANSLATE_NOOP("Reference", "  2.    VASCULAR FUNCTION CURVES (VFC) in which their main features are introduced "),
    QT_TRANSLATE_NOOP("Reference", "          and the relationship between Vascular and Cardiac Functions are explained"),
    "",
    QT_TRANSLATE_NOOP("Reference", "  3.    INTERACTIONS AND CHANGES in which both Cardiac and Vascular Function curves "),
    QT_TRANSLATE_NOOP("Reference", "         are used to examine and interpret changes in function."),
    "",
    QT_TRANSLATE_NOOP("Reference", "  4.    GLOSSARY wiht abbreviations and definitions"),
    "",
    QT_TRANSLATE_NOOP("Reference", "  5.    TEST which provides you the opportunity to evaluate your understanding"),
    QT_TRANSLATE_NOOP("Reference", "          by taking a multiple choice practice test with explanations of answers."),
    "",
    QT_TRANSLATE_NOOP("Reference", "  To begin, we recommend that you start by clicking on Cardiac Function Curves."),
    "",
    QT_TRANSLATE_NOOP("Reference", " Those of you who are already familiar with the material may choose to proceed directly to "),
    QT_TRANSLATE_NOOP("Reference", "  the test. It and its explanations should provide you with excellent practice and preparation. "),};

}  // namespace

Instructions::Instructions(Program &program)
    : DrawnTextPage(program, PageId::Instructions,
                    {"Instructions", QT_TRANSLATE_NOOP("Page", "Instructions"), pageColour::darkBlue, twipsSize(9435, 5055),
                     WindowPlacement::Centred, {}},
                    {kInstructionLines, &pageFont, SystemColour::HighlightText,
                     QT_TRANSLATE_NOOP("Reference", "How to use this learning module")})
{
}

}  // namespace fc

#include "moc_Instructions.cpp"
