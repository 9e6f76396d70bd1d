#include "concepts/ConceptTexts.h"

#include <QtGlobal>

namespace fc::texts {

// Cardiac function curve page

const char *const kCfcWhatIs = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "A Cardiac Function Curve (CFC) is a graphical representation showing how cardiac output"
    " (CO) varies as the input pressure to the heart changes."
    " The input pressure may be taken as the right atrial pressure or as the central venous"
    " pressure (CVP); this module uses CVP."
    " The principle behind the curve is the Frank-Starling mechanism: as CVP rises, the"
    " ventricles fill more completely during diastole, end diastolic volume increases and so"
    " does stroke volume."
    " With heart rate held constant, CO therefore moves in the same direction as CVP over a"
    " certain range of filling pressures.");

const char *const kCfcContractility = QT_TRANSLATE_NOOP(
    "ConceptPage",
    " The effects of changes in cardiac contractility can be understood by seeing what"
    " happens to CO at a fixed value of CVP."
    " In the figure the fixed CVP is marked by the vertical dotted line."
    " The point where that line crosses each curve shows the CO reached at that pressure."
    " Increased contractility, for example from increased sympathetic drive to the heart,"
    " makes CO greater, and decreased contractility makes it smaller."
    " The same is true at any CVP, not only at the one drawn: CO changes in the same"
    " direction as contractility. ");

const char *const kCfcLargeCvp = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "The increase in CO as CVP increases depends of the Frank-Starling mechanism."
    " The mechanism rests on an increasingly favorable overlap of actin and myosin filaments"
    " as the muscle fibers are stretched by a larger end diastolic volume."
    " Once the optimal overlap of the filaments is reached, further stretch adds no more"
    " active force, so stroke volume and cardiac output rise no further.");

// Vascular function curve page

const char *const kVfcWhatIs = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "A Vascular Function Curve (VFC) is a graphical representation showing the relationship"
    " between cardiac output (CO) and central venous pressure (CVP)."
    " Some texts call it the venous return curve."
    " Because over time average CO equals average venous return, a single vertical axis"
    " serves for both, and the VFC can be drawn on the same graph as the cardiac function curve (CFC)."
    " A VFC describes the vessels: it reflects the properties of the vasculature, whereas"
    " the CFC reflects the heart as a pump, so a change in contractility moves the"
    " operating point along the same VFC."
    " Reading the curve from right to left, as CO rises up to point 3, CVP falls (region 2)."
    " This happens because a larger flow causes a larger pressure loss across the systemic"
    " arterioles, leaving less pressure on the venous side."
    " Put another way, the heart lowers CVP by moving blood out of the veins and into the arteries."
    " Each region of the curve tells something different about the circulation."
    " Choose the regions in the list on the left to learn what each of them means. ");

const char *const kVfcRegion1 = QT_TRANSLATE_NOOP(
    "ConceptPage",
    " Point 1 corresponds to a condition in which CO is zero."
    " It is a theoretical no-flow point: if the heart stopped and pressures throughout the"
    " circulation were allowed to equalize, CVP would settle at this value."
    " That pressure is the mean circulatory pressure, not to be confused with the mean arterial pressure."
    " It is set only by the blood volume and the compliance of the vessels that hold it."
    " In the upper figure point 1 is where the curve meets the CVP axis, at about 7 mmHg."
    " Since there is no flow, arteriolar resistance plays no part in it."
    " Taking curve B in the lower figure as the control, a transfusion raises the mean"
    " circulatory pressure and moves the curve to the right (VFC-A)."
    " A fall in compliance, as with more sympathetic drive to the veins, has the same effect."
    " Conversely, a blood loss or a reduced sympathetic drive to the veins lowers the mean"
    " circulatory pressure and moves the curve to the left (VFC-C)."
    " In each case the slope stays the same, because arteriolar resistance is unchanged.");

const char *const kVfcRegion2 = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "Region 2 corresponds to the condition in which blood flow is now occuring."
    " As flow rises from point 1, the pressure loss across the arterioles grows and the"
    " pressure left to fill the central veins falls, so CVP falls."
    " In effect, the faster the heart pumps, the lower the pressure left in the veins."
    " The size of that loss depends on arteriolar resistance, which is the main part of"
    " total peripheral resistance (TPR)."
    " The slope of region 2 is therefore set by TPR."
    " Arteriolar vasodilation lowers TPR and steepens the curve (curve A in the lower"
    " figure): less pressure is lost for a given flow, so any CO needs less driving pressure"
    " and more is left as CVP."
    " Arteriolar vasoconstriction raises TPR and flattens the curve (curve C): more pressure"
    " is lost across the arterioles, so the same CO needs a higher driving pressure and leaves a lower CVP."
    " These changes in slope occur without a change in point 1, since the mean circulatory"
    " pressure depends on volume and compliance, not on resistance.  ");

const char *const kVfcRegions3And4 = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "Point 3 and region 4 demonstrate a physical change in the relationship between CO and CVP."
    " When CVP falls to a low level (point 3), the transmural pressure of the central veins,"
    " the difference between the pressure inside and outside them, becomes too low to hold them open."
    " The thin-walled veins begin to collapse as they enter the chest, venous resistance"
    " rises steeply, and further increases in flow are prevented: CO cannot rise further"
    " however low CVP falls, so region 4 is flat."
    " Point 3 therefore marks the largest CO that the veins can return to the heart."
    " This part of the curve lies mostly outside the physiological range, but it shows that"
    " venous resistance, usually small, can matter. ");

const char *const kVfcRelationships = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "Cardiac and Vascular functions both are related to CVP but in different ways."
    " For the heart, a higher CVP means more filling and, through the Frank-Starling"
    " mechanism, a larger CO; for the vasculature, a larger CO means a lower CVP."
    " At any instant, however, there is only one CVP and one CO, shared by the heart and the vessels."
    " The circulation must therefore operate where the two curves intersect, at the operating point."
    " In the figure the operating point lies at a CVP of 2 mmHg and a CO of 5 liters/minute."
    " Plotting both curves together provides a framework for understanding physiological and"
    " pathological changes, since each change moves one curve or both and so shifts the operating point."
    " These changes are taken up in the sub-module 'Interactions and Changes'. ");

// Interactions and changes page

const char *const kTpr = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "Changes in TPR cause the slope of the VFC to change."
    " Vasodilation steepens the VFC and vasoconstriction flattens it, while the point where"
    " the curve meets the CVP axis stays where it is."
    " The reason is that with a lower TPR less pressure is lost across the arterioles for"
    " the same CO, which leaves a larger CVP."
    " When the peripheral arterioles dilate, the new VFC crosses the unchanged CFC at a"
    " higher point, so the heart delivers more CO without any change in contractility."
    " The extra output comes from the Frank-Starling mechanism, acting through the higher"
    " CVP and the larger end diastolic volume."
    " TPR also acts slightly on the CFC itself, because it sets the afterload against which"
    " the ventricle ejects."
    " Over a fair range, however, the CFC changes little: a raised afterload lowers stroke"
    " volume, but the blood left in the ventricle raises end diastolic volume, and the"
    " Frank-Starling mechanism restores the output."
    " The figure therefore shows only the change in the VFC.");

const char *const kVolume = QT_TRANSLATE_NOOP(
    "ConceptPage",
    " The key to understanding the effects of blood volume or compliance changes is to"
    " recognize that each of these effects the mean circulatory pressure (mcp)."
    " The mcp is the pressure that would be found throughout the circulation at zero CO, and"
    " it depends on how full the vessels are relative to their capacity."
    " A smaller blood volume or a larger compliance lowers mcp and moves the VFC to the left"
    " without changing its slope."
    " With contractility unchanged, the new operating point lies lower on the same CFC, with a lower CO."
    " A transfusion, or a smaller compliance as with peripheral sympathetic activation of"
    " the veins, raises mcp and moves the VFC to the right, with a higher CO."
    " The figure shows both shifts: red (+V, -C) and blue (-V, +C)."
    " Clinical examples of a reduced mcp include neurogenic shock (in which the loss of"
    " sympathetic tone enlarges vascular capacity), major blood loss, dehydration, and a"
    " sudden enlargement of vascular capacity such as the removal of a large tumor.");

const char *const kContractility = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "Contractility is an index of the intrinisic velocity and force of contraction of cardiac myocytes."
    " It depends mainly on the calcium made available to the contractile proteins with each"
    " beat, largely by release from the sarcoplasmic reticulum, on how well the cell uses"
    " that calcium, and on the viability of the heart muscle itself."
    " Sympathetic activation and circulating catecholamines raise contractility, a positive"
    " inotropic effect."
    " The heart then delivers a greater CO at a lower CVP, and this gain does not rely on"
    " the Frank-Starling mechanism."
    " In the figure the black CFC is the resting control curve, and the red curve is one"
    " that might follow a rise in sympathetic activity to the heart."
    " If the VFC is unchanged, the operating point moves up and to the left along it, to a"
    " higher CO and a lower CVP."
    " In the body, however, sympathetic activation rarely acts on the heart alone: its"
    " effects on the arterioles and veins usually change the VFC as well, so both curves move together. ");

const char *const kBloodLoss = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "The effects of blood loss depend on the amount and rate of hemmorrhage."
    " After an acute, large loss the vessels are less full relative to their capacity, so"
    " mcp falls (point 1)."
    " The result is a new VFC (blue), shifted to the left, which meets the unchanged CFC at"
    " operating point 2."
    " CO is lower there, and arterial pressure begins to fall."
    " The fall in pressure is sensed by the baroreceptors, and the baroreceptor reflex"
    " raises sympathetic activity."
    " Contractility and heart rate rise, giving a new CFC (red); TPR rises and venous"
    " compliance falls, giving a new VFC (red) shifted back to the right with a smaller slope."
    " The new curves meet at operating point 3, where CO is higher than at point 2 but still"
    " below normal: the compensation is only partial."
    " Over days to weeks, plasma volume is restored: the kidney retains salt and water, and"
    " the liver synthesizes new plasma proteins."
    " As volume returns, mcp and CO return toward their normal values and the reflex gradually subsides. ");

const char *const kOrthostatic = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "Orthostatic or postural changes effect the distribution of blood volume and can produce"
    " effects similar to those produced by blood loss."
    " When a supine person is tilted upright, gravity quickly shifts blood out of the"
    " central veins into the distensible veins of the abdomen and legs."
    " Total blood volume is unchanged, but less of it fills the central vessels, so mcp"
    " falls (point 1) and the VFC moves to the left."
    " CO and arterial pressure therefore fall (point 2)."
    " Within seconds the baroreceptor reflex raises contractility, heart rate and TPR and"
    " reduces venous compliance, and CO is restored nearly to its supine level (point 3)."
    " Spinal reflexes that constrict the blood vessels of the legs also help in this response."
    " In the upright position CO therefore settles slightly lower, and TPR slightly higher,"
    " than in the supine position."
    " Where the sympathetic responses are defective, as in some autonomic disorders or with"
    " certain drugs, arterial pressure cannot be maintained and fainting may occur. ");

const char *const kHeartFailure = QT_TRANSLATE_NOOP(
    "ConceptPage",
    "Heart failure is a general term which describes a diminished pumping function that is"
    " no longer fully adequate to provide perfusion for all organs and tissues."
    " Its main defect is a reduced contractility."
    " This may arise acutely, as with a myocardial infarction, or develop over time, as with"
    " long-standing hypertension or chronic ischemia."
    " In the figure the points 1 show acute failure of moderate (blue) or severe (red)"
    " degree: the CFC is depressed, and the operating point moves to a lower CO and a higher CVP."
    " The points 2 show the later, partial recovery."
    " The kidney retains salt and water, blood volume and mcp rise, and the VFC moves to the"
    " right, so the heart works at a higher CVP and, by the Frank-Starling mechanism, a larger CO."
    " Once this reserve is used up, more fluid only raises CVP further without raising CO."
    " Positive inotropic drugs may raise contractility and CO, but they also raise the"
    " oxygen demand of the myocardium, which may further harm a heart that is already short of oxygen.");

}  // namespace fc::texts
