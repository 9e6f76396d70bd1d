#include "reference/Glossary.h"

#include "figures/Fonts.h"
#include "reference/DrawnText.h"
#include "shell/Twips.h"

namespace fc {

// Continuation lines start with spaces so that their definitions line up under the
// one above; every dot and blank is drawn.
namespace {

const char *const kGlossaryLines[] = {
    "Afterload................    Average stress that myocardial cells must overcome to shorten",
    "                                   In the intact heart is proportional to aortic blood pressure",
    "CFC..........................  Cardiac Function Curve:  Relates cardiac output to CVP or RAP",
    "                                    Depends on both contractility and Frank-Starling mechanism",
    "CO ..........................   Cardiac Output = volume output of heart per minute = SV x HR",
    "Contractility............    Intrinsic contraction potential of the myocardium at a given preload.",
    "                                   It is a good index of the velocity and force of contraction.",
    "CVP..........................  Central Venous Pressure = pressure in thoracic veins",
    "Diastole .................    Interval during which ventricle is relaxing",
    "Diastolic Pressure..    Minimum aortic pressure during a cardiac cycle",
    "EDP........................    End Diasolic Pressure = LVP at end of filling phase=start of ventricle systole",
    "EDV.........................   End Diastolic Volume = LV volume at the onset of systole",
    "EF...........................    Ejection Fraction = SV / EDV as fraction or percentage",
    "ESP........................    End Systolic Pressure = LVP at end of systole",
    "ESV.........................   End Systolic Volume = LV volume at the end of systole ",
    "Frank-Starling .......    Mechanism whereby SV increases with increasing EDV (preload)",
    "HR .........................    Heart Rate = number of cardiac beats per minute",
    "Inotropy .................   A positive inotropic agent is one that increases contractility",
    "Laplace's Law.......    Average stress = pressure x radius / wall thickness (T = Pr/w)",
    "LVP.........................   Left ventricular Pressure (mmHg)",
    "MAP ......................    Mean Aortic Pressure = diastolic pressure + 1/3 pulse pressure",
    "MCP.........................  Mean Circulatory Pressure = pressure in vasculature when CO = 0",
    "                                   MCP  value sets the start point of the vascular function curve on the CVP axis",
    "                                   MCP depends on vascular filling relative to vascular capacity",
    "PIP.........................   Peak Isovolumic Pressure = maximum pressure developed by the",
    "                                   ventricle at a given EDV and contractility during isovolumic contraction",
    "                                   Increases in EDV and contractility will increase PIP",
    "PIP line..................   Shows the relationship between PIP and EDV and is also called the",
    "                                   end-systolic pressure-volume relation. ESP falls on the PIP line.",
    "Preload..................   Ventricular volume at onset of ventricular systole. At the muscle",
    "                                   cell level, it is the sarcomere stretch; in the intact ventricle it is",
    "                                   best represented by EDV. Increased preload increases SV.",
    "Pulse Pressure......    Difference between systolic and diastolic pressures.",
    "RAP.......................... Right Atrial Pressure; mean value of RAP is slightly less than CVP",
    "SV...........................   Stroke Volume = volume ejected from ventricle per beat = EDV - ESV",
    "Stroke Work...........    Mechanical work done by the heart per beat = SV x MAP",
    "Systole .................     Interval during which ventricle is contracting",
    "Systolic Pressure...    Maximum aortic pressure during a cardiac cycle",
    "TPR ......................     Total Peripheral Resistance. TPR = (MAP - CVP) / CO",
    "                                   total vascular resistance presented to the left ventricle",
    "                                   The slope of the VFC is inversely proportional to TPR",
    "Venous Return ......   Term for blood flow returning from systemic veins to the heart",
    "                                   Note that average venous return is equal to average cardiac output",
    "VFC..........................  Vascular Function Curve: Relates venous return to CVP or RAP",
    "                                   Also called the Venous Return Curve and Venous Pressure Curve",};

QFont glossaryFont()
{
    return controlFont(Face::Arial, pointsToPixels(9.75), true);
}

}  // namespace

Glossary::Glossary(Program &program)
    : DrawnTextPage(program, PageId::Glossary,
                    {"Glossary", "Abbreviations-Definitions-Formulas", QColor(255, 255, 128),
                     twipsSize(9885, 10830), WindowPlacement::Centred, {}},
                    {kGlossaryLines, &glossaryFont, SystemColour::ButtonText,
                     "Abbreviations, definitions and formulas"})
{
}

void Glossary::prepare()
{
    prepareGlyphs(glossaryFont());
}

void Glossary::Form_Load()
{
    m_text->update();
}

}  // namespace fc
