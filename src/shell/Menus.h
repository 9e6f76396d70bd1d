#pragma once

#include "shell/Page.h"

namespace fc {

// The menu bars, left to right, exactly as each page shows them. Entries of the same
// name differ in caption from bar to bar.
namespace menu {
inline constexpr MenuEntry instruct{"mnuInstruct", "Instructions", PageId::Instructions};
inline constexpr MenuEntry instructions{"mnuInstructions", "Instructions", PageId::Instructions};
inline constexpr MenuEntry basics{"mnuBasics", "Cardiac Function Curves",
                                  PageId::CardiacFunctionCurves};
inline constexpr MenuEntry vfc{"mnuVFC", "Vascular Function Curves",
                               PageId::VascularFunctionCurves};
inline constexpr MenuEntry relations{"mnuRelations", "Vascular Function Curves",
                                     PageId::VascularFunctionCurves};
inline constexpr MenuEntry relationsMisspelt{"mnuRelations", "Vascular Funciton Curves",
                                             PageId::VascularFunctionCurves};
inline constexpr MenuEntry interactionsSlash{"mnuInteractions", "Interactions/Changes",
                                             PageId::Interactions};
inline constexpr MenuEntry interactions{"mnuInteractions", "Interactions and Changes",
                                        PageId::Interactions};
inline constexpr MenuEntry glossary{"mnuGlossary", "Glossary", PageId::Glossary};
inline constexpr MenuEntry test{"mnuTest", "Test", PageId::Test};
inline constexpr MenuEntry end{"mnuEnd", "End Session", std::nullopt};

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
