#include "reference/Glossary.h"

#include "figures/Fonts.h"
#include "reference/DrawnText.h"
#include "shell/Twips.h"

namespace fc {

// Continuation lines start with spaces so that their definitions line up under the
// one above; every dot and blank is drawn.
namespace {

const char *const kGlossaryLines[] = {
    QT_TRANSLATE_NOOP("Reference", "Afterload................    Average stress that myocardial cells must overcome to shorten"),
    QT_TRANSLATE_NOOP("Reference", "                                   In the intact heart is proportional to aortic blood pressure"),
    QT_TRANSLATE_NOOP("Reference", "CFC..........................  Cardiac Function Curve:  Relates cardiac output to CVP or RAP"),
    QT_TRANSLATE_NOOP("Reference", "                                    Depends on both contractility and Frank-Starling mechanism"),
    QT_TRANSLATE_NOOP("Reference", "CO ..........................   Cardiac Output = volume output of heart per minute = SV x HR"),
    QT_TRANSLATE_NOOP("Reference", "Contractility............    Intrinsic contraction potential of the myocardium at a given preload."),
    QT_TRANSLATE_NOOP("Reference", "                                   It is a good index of the velocity and force of contraction."),
    QT_TRANSLATE_NOOP("Reference", "CVP..........................  Central Venous Pressure = pressure in thoracic veins"),
    QT_TRANSLATE_NOOP("Reference", "Diastole .................    Interval during which ventricle is relaxing"),
    QT_TRANSLATE_NOOP("Reference", "Diastolic Pressure..    Minimum aortic pressure during a cardiac cycle"),
    QT_TRANSLATE_NOOP("Reference", "EDP........................    End Diasolic Pressure = LVP at end of filling phase=start of ventricle systole"),
    QT_TRANSLATE_NOOP("Reference", "EDV.........................   End Diastolic Volume = LV volume at the onset of systole"),
    QT_TRANSLATE_NOOP("Reference", "EF...........................    Ejection Fraction = SV / EDV as fraction or percentage"),
    QT_TRANSLATE_NOOP("Reference", "ESP........................    End Systolic Pressure = LVP at end of systole"),
    QT_TRANSLATE_NOOP("Reference", "ESV.........................   End Systolic Volume = LV volume at the end of systole "),
    QT_TRANSLATE_NOOP("Reference", "Frank-Starling .......    Mechanism whereby SV increases with increasing EDV (preload)"),
    QT_TRANSLATE_NOOP("Reference", "HR .........................    Heart Rate = number of cardiac beats per minute"),
    QT_TRANSLATE_NOOP("Reference", "Inotropy .................   A positive inotropic agent is one that increases contractility"),
    QT_TRANSLATE_NOOP("Reference", "Laplace's Law.......    Average stress = pressure x radius / wall thickness (T = Pr/w)"),
    QT_TRANSLATE_NOOP("Reference", "LVP.........................   Left ventricular Pressure (mmHg)"),
    QT_TRANSLATE_NOOP("Reference", "MAP ......................    Mean Aortic Pressure = diastolic pressure + 1/3 pulse pressure"),
    QT_TRANSLATE_NOOP("Reference", "MCP.........................  Mean Circulatory Pressure = pressure in vasculature when CO = 0"),
    QT_TRANSLATE_NOOP("Reference", "                                   MCP  value sets the start point of the vascular function curve on the CVP axis"),
    QT_TRANSLATE_NOOP("Reference", "                                   MCP depends on vascular filling relative to vascular capacity"),
    QT_TRANSLATE_NOOP("Reference", "PIP.........................   Peak Isovolumic Pressure = maximum pressure developed by the"),
    QT_TRANSLATE_NOOP("Reference", "                                   ventricle at a given EDV and contractility during isovolumic contraction"),
    QT_TRANSLATE_NOOP("Reference", "                                   Increases in EDV and contractility will increase PIP"),
    QT_TRANSLATE_NOOP("Reference", "PIP line..................   Shows the relationship between PIP and EDV and is also called the"),
    QT_TRANSLATE_NOOP("Reference", "                                   end-systolic pressure-volume relation. ESP falls on the PIP line."),
    QT_TRANSLATE_NOOP("Reference", "Preload..................   Ventricular volume at onset of ventricular systole. At the muscle"),
    QT_TRANSLATE_NOOP("Reference", "                                   cell level, it is the sarcomere stretch; in the intact ventricle it is"),
    QT_TRANSLATE_NOOP("Reference", "                                   best represented by EDV. Increased preload increases SV."),
    QT_TRANSLATE_NOOP("Reference", "Pulse Pressure......    Difference between systolic and diastolic pressures."),
    QT_TRANSLATE_NOOP("Reference", "RAP.......................... Right Atrial Pressure; mean value of RAP is slightly less than CVP"),
    QT_TRANSLATE_NOOP("Reference", "SV...........................   Stroke Volume = volume ejected from ventricle per beat = EDV - ESV"),
    QT_TRANSLATE_NOOP("Reference", "Stroke Work...........    Mechanical work done by the heart per beat = SV x MAP"),
    QT_TRANSLATE_NOOP("Reference", "Systole .................     Interval during which ventricle is contracting"),
    QT_TRANSLATE_NOOP("Reference", "Systolic Pressure...    Maximum aortic pressure during a cardiac cycle"),
    QT_TRANSLATE_NOOP("Reference", "TPR ......................     Total Peripheral Resistance. TPR = (MAP - CVP) / CO"),
    QT_TRANSLATE_NOOP("Reference", "                                   total vascular resistance presented to the left ventricle"),
    QT_TRANSLATE_NOOP("Reference", "                                   The slope of the VFC is inversely proportional to TPR"),
    QT_TRANSLATE_NOOP("Reference", "Venous Return ......   Term for blood flow returning from systemic veins to the heart"),
    QT_TRANSLATE_NOOP("Reference", "                                   Note that average venous return is equal to average cardiac output"),
    QT_TRANSLATE_NOOP("Reference", "VFC..........................  Vascular Function Curve: Relates venous return to CVP or RAP"),
    QT_TRANSLATE_NOOP("Reference", "                                   Also called the Venous Return Curve and Venous Pressure Curve"),};

QFont glossaryFont()
{
    return controlFont(Face::Arial, pointsToPixels(9.75), true);
}

}  // namespace

Glossary::Glossary(Program &program)
    : DrawnTextPage(program, PageId::Glossary,
                    {"Glossary", QT_TRANSLATE_NOOP("Page", "Abbreviations-Definitions-Formulas"), QColor(255, 255, 128),
                     twipsSize(9885, 10830), WindowPlacement::Centred, {}},
                    {kGlossaryLines, &glossaryFont, SystemColour::ButtonText,
                     QT_TRANSLATE_NOOP("Reference", "Abbreviations, definitions and formulas")})
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

#include "moc_Glossary.cpp"
