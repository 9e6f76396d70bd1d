#pragma once

#include "shell/Page.h"

namespace fc {

// The menu bars, left to right, exactly as each page shows them.

inline constexpr MenuEntry kIntroductionMenu[] = {
    {"mnuInstruct", "Instructions", &Page::mnuInstruct_Click},
    {"mnuBasics", "Cardiac Function Curves", &Page::mnuBasics_Click},
    {"mnuVFC", "Vascular Function Curves", &Page::mnuVFC_Click},
    {"mnuInteractions", "Interactions/Changes", &Page::mnuInteractions_Click},
    {"mnuGlossary", "Glossary", &Page::mnuGlossary_Click},
    {"mnuTest", "Test", &Page::mnuTest_Click},
    {"mnuEnd", "End Session", &Page::mnuEnd_Click},
};

// CardiacFunctionCurves and Test.
inline constexpr MenuEntry kBasicsMenu[] = {
    {"mnuInstruct", "Instructions", &Page::mnuInstruct_Click},
    {"mnuBasics", "Cardiac Function Curves", &Page::mnuBasics_Click},
    {"mnuRelations", "Vascular Function Curves", &Page::mnuRelations_Click},
    {"mnuInteractions", "Interactions and Changes", &Page::mnuInteractions_Click},
    {"mnuGlossary", "Glossary", &Page::mnuGlossary_Click},
    {"mnuTest", "Test", &Page::mnuTest_Click},
    {"mnuEnd", "End Session", &Page::mnuEnd_Click},
};

inline constexpr MenuEntry kVascularMenu[] = {
    {"mnuInstructions", "Instructions", &Page::mnuInstructions_Click},
    {"mnuBasics", "Cardiac Function Curves", &Page::mnuBasics_Click},
    {"mnuRelations", "Vascular Function Curves", &Page::mnuRelations_Click},
    {"mnuInteractions", "Interactions and Changes", &Page::mnuInteractions_Click},
    {"mnuGlossary", "Glossary", &Page::mnuGlossary_Click},
    {"mnuTest", "Test", &Page::mnuTest_Click},
    {"mnuEnd", "End Session", &Page::mnuEnd_Click},
};

inline constexpr MenuEntry kInteractionsMenu[] = {
    {"mnuInstructions", "Instructions", &Page::mnuInstructions_Click},
    {"mnuBasics", "Cardiac Function Curves", &Page::mnuBasics_Click},
    {"mnuRelations", "Vascular Funciton Curves", &Page::mnuRelations_Click},
    {"mnuInteractions", "Interactions and Changes", &Page::mnuInteractions_Click},
    {"mnuGlossary", "Glossary", &Page::mnuGlossary_Click},
    {"mnuTest", "Test", &Page::mnuTest_Click},
    {"mnuEnd", "End Session", &Page::mnuEnd_Click},
};

}  // namespace fc
