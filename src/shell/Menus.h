#pragma once

#include "shell/Page.h"

#include <QtGlobal>

namespace fc {

// The menu bars, left to right, exactly as each page shows them. Entries of the same
// name differ in caption from bar to bar.
namespace menu {
inline constexpr MenuEntry instruct{"mnuInstruct", QT_TRANSLATE_NOOP("Menu", "Instructions"),
                                    PageId::Instructions};
inline constexpr MenuEntry instructions{
    "mnuInstructions", QT_TRANSLATE_NOOP("Menu", "Instructions"), PageId::Instructions};
inline constexpr MenuEntry basics{"mnuBasics", QT_TRANSLATE_NOOP("Menu", "Cardiac Function Curves"),
                                  PageId::CardiacFunctionCurves};
inline constexpr MenuEntry vfc{"mnuVFC", QT_TRANSLATE_NOOP("Menu", "Vascular Function Curves"),
                               PageId::VascularFunctionCurves};
inline constexpr MenuEntry relations{"mnuRelations",
                                     QT_TRANSLATE_NOOP("Menu", "Vascular Function Curves"),
                                     PageId::VascularFunctionCurves};
inline constexpr MenuEntry relationsMisspelt{"mnuRelations",
                                             QT_TRANSLATE_NOOP("Menu", "Vascular Funciton Curves"),
                                             PageId::VascularFunctionCurves};
inline constexpr MenuEntry interactionsSlash{
    "mnuInteractions", QT_TRANSLATE_NOOP("Menu", "Interactions/Changes"), PageId::Interactions};
inline constexpr MenuEntry interactions{
    "mnuInteractions", QT_TRANSLATE_NOOP("Menu", "Interactions and Changes"), PageId::Interactions};
inline constexpr MenuEntry glossary{"mnuGlossary", QT_TRANSLATE_NOOP("Menu", "Glossary"),
                                    PageId::Glossary};
inline constexpr MenuEntry test{"mnuTest", QT_TRANSLATE_NOOP("Menu", "Test"), PageId::Test};
inline constexpr MenuEntry end{"mnuEnd", QT_TRANSLATE_NOOP("Menu", "End Session"), std::nullopt};

// One bar a line; the basics bar serves CardiacFunctionCurves and Test.
// clang-format off
inline constexpr MenuEntry kIntroductionMenu[] = {instruct, basics, vfc, interactionsSlash, glossary, test, end};
inline constexpr MenuEntry kBasicsMenu[] = {instruct, basics, relations, interactions, glossary, test, end};
inline constexpr MenuEntry kVascularMenu[] = {instructions, basics, relations, interactions, glossary, test, end};
inline constexpr MenuEntry kInteractionsMenu[] = {instructions, basics, relationsMisspelt, interactions, glossary, test, end};
// clang-format on
}  // namespace menu

using menu::kBasicsMenu;
using menu::kInteractionsMenu;
using menu::kIntroductionMenu;
using menu::kVascularMenu;

}  // namespace fc
