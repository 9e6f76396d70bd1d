#include "concepts/Interactions.h"

#include "concepts/ConceptTexts.h"
#include "shell/Menus.h"
#include "shell/PageStyle.h"
#include "shell/Twips.h"

namespace fc {

const ConceptPageTable &interactionsPageTable()
{
    using A = Action;
    const QRect overlay = twips(0, 0, 7815, 5535);
    const auto t = AreaBackground::TitleBarText;
    static const ConceptPageTable table{
        {"Interactions", "Form1", pageColour::blue, twipsSize(13755, 9000),
         WindowPlacement::Maximized, kInteractionsMenu},
        false,
        kVascularLeftColumn,
        {
            {"master", nullptr, twips(5040, 480, 7815, 5535), AreaBackground::White, nullptr},
            // Top of the stack first.
            {"mainfactors", "master", overlay, t, "mainfactors"},
            {"failure", "master", overlay, t, "failure"},
            {"orthostatic", "master", overlay, t, "orthostatic"},
            {"bloodloss", "master", overlay, t, "bloodloss"},
            {"contractility", "master", overlay, t, "contractility"},
            {"volume", "master", overlay, t, "volume"},
            {"tpr", "master", overlay, t, "tpr"},
        },
        // All seven overlays keep their design state, visible: mainfactors is seen.
        {},
        // Each row hides six overlays, then shows the seventh.
        {
            {QT_TRANSLATE_NOOP("ConceptPage", "  INTERACTIONS AND CHANGES   "),
             {{A::Hide, "tpr"}, {A::Hide, "volume"}, {A::Hide, "contractility"},
              {A::Hide, "bloodloss"}, {A::Hide, "orthostatic"}, {A::Hide, "failure"},
              {A::Show, "mainfactors"}}},
            {"", {}},
            {QT_TRANSLATE_NOOP("ConceptPage", " Total Peripheral Resistance (TPR)"),
             {{A::Hide, "mainfactors"}, {A::Hide, "volume"}, {A::Hide, "contractility"},
              {A::Hide, "bloodloss"}, {A::Hide, "orthostatic"}, {A::Hide, "failure"},
              {A::Show, "tpr"}, {A::Box}},
             texts::kTpr},
            {QT_TRANSLATE_NOOP("ConceptPage", " Blood Volume and Compliance"),
             {{A::Hide, "mainfactors"}, {A::Hide, "tpr"}, {A::Hide, "contractility"},
              {A::Hide, "bloodloss"}, {A::Hide, "orthostatic"}, {A::Hide, "failure"},
              {A::Show, "volume"}, {A::Box}},
             texts::kVolume},
            {QT_TRANSLATE_NOOP("ConceptPage", " Cardiac Contractility"),
             {{A::Hide, "mainfactors"}, {A::Hide, "tpr"}, {A::Hide, "bloodloss"},
              {A::Hide, "orthostatic"}, {A::Hide, "failure"}, {A::Hide, "volume"},
              {A::Show, "contractility"}, {A::Box}},
             texts::kContractility},
            {QT_TRANSLATE_NOOP("ConceptPage", " Blood Loss"),
             {{A::Hide, "mainfactors"}, {A::Hide, "tpr"}, {A::Hide, "orthostatic"},
              {A::Hide, "failure"}, {A::Hide, "volume"}, {A::Hide, "contractility"},
              {A::Show, "bloodloss"}, {A::Box}},
             texts::kBloodLoss},
            {QT_TRANSLATE_NOOP("ConceptPage", " Orthostatic (postural)"),
             {{A::Hide, "mainfactors"}, {A::Hide, "tpr"}, {A::Hide, "failure"},
              {A::Hide, "volume"}, {A::Hide, "contractility"}, {A::Hide, "bloodloss"},
              {A::Show, "orthostatic"}, {A::Box}},
             texts::kOrthostatic},
            {QT_TRANSLATE_NOOP("ConceptPage", " Heart Failure"),
             {{A::Hide, "mainfactors"}, {A::Hide, "tpr"}, {A::Hide, "volume"},
              {A::Hide, "contractility"}, {A::Hide, "bloodloss"}, {A::Hide, "orthostatic"},
              {A::Show, "failure"}, {A::Box}},
             texts::kHeartFailure},
        },
    };
    return table;
}

Interactions::Interactions(Program &program)
    : ConceptPage(program, PageId::Interactions, interactionsPageTable())
{
}

}  // namespace fc

#include "moc_Interactions.cpp"
