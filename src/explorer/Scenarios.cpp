#include "explorer/Scenarios.h"

namespace fc {

namespace {

// Contractility, blood volume, venous compliance, resistance, in percent of control.
// Each is matched to its figure on the interactions page: MSFP where the figure puts
// the foot of its VFC, and the CFC's plateau and the VFC's slope as drawn. The figure
// of blood loss lowers MSFP further than the explorer's range of volume reaches.
constexpr Scenario kScenarios[] = {
    {"Increased contractility", {200, 100, 100, 100},
     "The cardiac function curve rises, so the operating point moves up and to the left along the unchanged vascular function curve: more output at a lower CVP."},
    {"Decreased contractility", {50, 100, 100, 100},
     "The cardiac function curve sinks, so the operating point slides down and to the right: less output although CVP is higher."},
    {"Transfusion", {100, 127, 100, 100},
     "More volume raises MSFP and shifts the vascular function curve to the right with the same slope, so CVP and output both rise."},
    {"Blood loss", {100, 60, 100, 100},
     "Less volume lowers MSFP and shifts the vascular function curve to the left, so CVP and output both fall."},
    {"Blood loss after reflexes", {150, 60, 75, 150},
     "Sympathetic reflexes raise contractility, stiffen the veins and raise resistance: output recovers part of the way while CVP stays low."},
    {"Venoconstriction", {100, 100, 75, 100},
     "Stiffer veins raise MSFP as more volume would, shifting the vascular function curve to the right: CVP and output rise."},
    {"Vasodilation", {100, 100, 100, 70},
     "Lower resistance makes the vascular function curve steeper about the same MSFP, so output rises with the same contractility."},
    {"Vasoconstriction", {100, 100, 100, 140},
     "Higher resistance flattens the vascular function curve about the same MSFP, so output and CVP fall."},
    {"Moderate heart failure", {65, 100, 100, 100},
     "The failing heart's curve is lower and levels off near 5 l/min: output falls and CVP rises."},
    {"Moderate heart failure with fluid retention", {65, 130, 100, 100},
     "Retained fluid raises MSFP, and the higher CVP brings output back close to normal through the Frank-Starling mechanism."},
    {"Severe heart failure", {40, 100, 100, 100},
     "The curve of a severely failing heart levels off near 3 l/min: output is low and CVP high."},
    {"Severe heart failure with fluid retention", {40, 130, 100, 100},
     "Retained fluid raises CVP a great deal but output only a little, as the weak heart has little reserve left to use."},
};

}  // namespace

std::span<const Scenario> scenarios()
{
    return kScenarios;
}

}  // namespace fc
