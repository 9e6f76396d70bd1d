#include "concepts/VascularFunctionCurves.h"

#include "concepts/ConceptTexts.h"
#include "shell/Menus.h"
#include "shell/PageStyle.h"
#include "shell/Twips.h"

namespace fc {

const ConceptPageTable &vascularPageTable()
{
    using A = Action;
    static const ConceptPageTable table{
        {"VascularFunctionCurves", "Form1", pageColour::blue, twipsSize(13320, 10500),
         WindowPlacement::Maximized, kVascularMenu},
        false,
        kVascularLeftColumn,
        {
            {"vfc1", nullptr, twips(5280, 480, 6735, 5655), AreaBackground::White, "vfc1"},
            {"vfc4", "vfc1", twips(0, 0, 6735, 5655), AreaBackground::TitleBarText, "vfc4"},
            {"vfc2", nullptr, twips(5280, 6360, 6735, 4000), AreaBackground::TitleBarText,
             "vfc2"},
            {"vfc3", "vfc2", twips(0, 0, 6735, 3975), AreaBackground::TitleBarText, "vfc3"},
        },
        {{A::Show, "vfc1"}, {A::Hide, "vfc2"}, {A::Hide, "vfc3"}, {A::Hide, "vfc4"}},
        // Some rows show the box before their figures, others after; rows 4 and 5
        // leave vfc4 as earlier rows set it.
        {
            {QT_TRANSLATE_NOOP("ConceptPage", "  VASCULAR FUNCTION CURVES   "), {}},
            {"", {}},
            {QT_TRANSLATE_NOOP("ConceptPage", " What is a Vascular Function Curve?"),
             {{A::Hide, "vfc3"}, {A::Hide, "vfc2"}, {A::Hide, "vfc4"}, {A::Box}},
             texts::kVfcWhatIs},
            {QT_TRANSLATE_NOOP("ConceptPage", " Region 1 "), {{A::Hide, "vfc3"}, {A::Hide, "vfc4"}, {A::Show, "vfc2"}, {A::Box}},
             texts::kVfcRegion1},
            {QT_TRANSLATE_NOOP("ConceptPage", " Region 2 "), {{A::Box}, {A::Show, "vfc2"}, {A::Show, "vfc3"}}, texts::kVfcRegion2},
            {QT_TRANSLATE_NOOP("ConceptPage", " Regions 3 and 4 "), {{A::Box}, {A::Hide, "vfc2"}, {A::Hide, "vfc3"}},
             texts::kVfcRegions3And4},
            {QT_TRANSLATE_NOOP("ConceptPage", " Vascular-Cardiac Relationships"),
             {{A::Box}, {A::Hide, "vfc2"}, {A::Hide, "vfc3"}, {A::Show, "vfc4"}},
             texts::kVfcRelationships},
        },
    };
    return table;
}

VascularFunctionCurves::VascularFunctionCurves(Program &program)
    : ConceptPage(program, PageId::VascularFunctionCurves, vascularPageTable())
{
}

}  // namespace fc

#include "moc_VascularFunctionCurves.cpp"
