#include "concepts/CardiacFunctionCurves.h"

#include "concepts/ConceptTexts.h"
#include "shell/Menus.h"
#include "shell/PageStyle.h"
#include "shell/Twips.h"

namespace fc {

const ConceptPageTable &cardiacPageTable()
{
    using A = Action;
    static const ConceptPageTable table{
        {"CardiacFunctionCurves", QT_TRANSLATE_NOOP("Page", "Loop Basics"), pageColour::blue,
         twipsSize(13230, 10860), WindowPlacement::Maximized, kBasicsMenu},
        true,
        {twips(600, 360, 3855, 375),
         twips(480, 840, 4575, 3660),
         twips(480, 4800, 4575, 5865)},
        {
            {"cfc1", nullptr, twips(5760, 840, 6735, 5775), AreaBackground::White, "cfc1"},
            {"cfc2", "cfc1", twips(0, 0, 6735, 5775), AreaBackground::TitleBarText, "cfc2"},
        },
        // cfc2 keeps its design state, visible, so the page opens on the contractility
        // figure that covers cfc1.
        {{A::Show, "cfc1"}},
        {
            {QT_TRANSLATE_NOOP("ConceptPage", "  CARDIAC FUNCTION CURVES   "), {}},
            {"", {}},
            {QT_TRANSLATE_NOOP("ConceptPage", " What is a Cardiac Function Curve?"),
             {{A::Hide, "cfc2"}, {A::Show, "cfc1"}, {A::Box}},
             texts::kCfcWhatIs},
            {"", {}},
            {QT_TRANSLATE_NOOP("ConceptPage", " What is the effect of contractility?"),
             {{A::Show, "cfc2"}, {A::Box}},
             texts::kCfcContractility},
            {"", {}},
            {QT_TRANSLATE_NOOP("ConceptPage", " Why does CO not increase at large CVP?"),
             {{A::Box}},
             texts::kCfcLargeCvp},
        },
    };
    return table;
}

CardiacFunctionCurves::CardiacFunctionCurves(Program &program)
    : ConceptPage(program, PageId::CardiacFunctionCurves, cardiacPageTable())
{
}

}  // namespace fc

#include "moc_CardiacFunctionCurves.cpp"
