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
}  // namespace menu

inline constexpr MenuEntry kIntroductionMenu[] = {
    menu::instruct, menu::basics, menu::vfc, menu::interactionsSlash,
    menu::glossary, menu::test,   menu::end,
};

// CardiacFunctionCurves and Test.
inline constexpr MenuEntry kBasicsMenu[] = {
    menu::instruct, menu::basics, menu::relations, menu::interactions,
    menu::glossary, menu::test,   menu::end,
};

inline constexpr MenuEntry kVascularMenu[] = {
    menu::instructions, menu::basics, menu::relations, menu::interactions,
    menu::glossary,     menu::test,   menu::end,
};

inline constexpr MenuEntry kInteractionsMenu[] = {
    menu::instructions, menu::basics, menu::relationsMisspelt, menu::interactions,
    menu::glossary,     menu::test,   menu::end,
};

}  // namespace fc
