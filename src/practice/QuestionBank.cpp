#include "practice/QuestionBank.h"

#include <QtGlobal>

namespace fc {

// One record per question: its six list lines, the list line of the right option
// (0 is the question itself), the verdict and the explanation.
const std::array<Question, kQuestionCount> kQuestions = {{
    {{{QT_TRANSLATE_NOOP("Test", "1. Which operating point corresponds to the greatest cardiac output?"),
       QT_TRANSLATE_NOOP("Test", "a. 1"),
       QT_TRANSLATE_NOOP("Test", "b. 2"),
       QT_TRANSLATE_NOOP("Test", "c. 3"),
       QT_TRANSLATE_NOOP("Test", "d. 6"),
       QT_TRANSLATE_NOOP("Test", "e. 8")}},
     3,  // c
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! The cardiac output at operating point 3 is the largest with a magnitude of"
     " about 9 liters/minute."
     " Note that the question asks about the value at an operating point, not about the"
     " largest value reached anywhere on the graph; some curves reach higher. ")},
    {{{QT_TRANSLATE_NOOP("Test", "2. Which operating point corresponds to the greatest CVP?"),
       QT_TRANSLATE_NOOP("Test", "a. 1"),
       QT_TRANSLATE_NOOP("Test", "b. 2"),
       QT_TRANSLATE_NOOP("Test", "c. 3"),
       QT_TRANSLATE_NOOP("Test", "d. 6"),
       QT_TRANSLATE_NOOP("Test", "e. 8")}},
     5,  // e
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! The operating point with the highest value of central venous pressure is point 8."
     " CVP there is just under 5 mmHg, the highest of all the points."
     " CVP is an index of the input pressure to the heart: normally a rise in CVP increases"
     " stroke volume through the Frank-Starling mechanism."
     " In a failing heart, however, a raised CVP may instead reflect a reduced pumping"
     " capacity, as blood backs up behind a weakened ventricle.")},
    {{{QT_TRANSLATE_NOOP("Test", "3. As compared to the control vascular function curve, curve C indicates that"),
       QT_TRANSLATE_NOOP("Test", "a. TPR is reduced"),
       QT_TRANSLATE_NOOP("Test", "b. Blood volume is reduced"),
       QT_TRANSLATE_NOOP("Test", "c. Compliance is reduced"),
       QT_TRANSLATE_NOOP("Test", "d. Cardiac contractility is reduced"),
       QT_TRANSLATE_NOOP("Test", "e. Cardiac contractility is increased")}},
     1,  // a
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! The vascular function curve represented by curve C has a greater slope (8-5-3)"
     " than that of the slope of the control VFC (7-S-2)."
     " A greater slope means a lower total peripheral resistance (TPR)."
     " With less TPR, less pressure is lost across the arterioles for the same cardiac"
     " output, so the central venous pressure is higher at any CO and the curve is steeper."
     " Changes in blood volume or in compliance only move the VFC to the left or to the right"
     " without changing its slope, so they cannot explain curve C."
     " Changes in cardiac contractility act only on the cardiac function curve and do not"
     " alter the vascular function curve at all.")},
    {{{QT_TRANSLATE_NOOP("Test", "4. As compared to the control vascular function curve, curve D indicates that"),
       QT_TRANSLATE_NOOP("Test", "a. TPR is increased"),
       QT_TRANSLATE_NOOP("Test", "b. TPR is decreased"),
       QT_TRANSLATE_NOOP("Test", "c. Blood volume is increased"),
       QT_TRANSLATE_NOOP("Test", "d. Blood volume is decreased"),
       QT_TRANSLATE_NOOP("Test", "e. Cardiac contractility is increased")}},
     4,  // d
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! The vascular function curve represented by curve D demonstrates either a"
     " reduction in blood volume or an increase in compliance, but the latter is not offered as a choice."
     " Curve D is moved to the left of the control curve but keeps the same slope, so TPR is"
     " unchanged and both of the TPR choices are wrong."
     " The shift comes from a lower mean circulatory pressure, read where the curve meets the"
     " CVP axis; here that is explained by a reduced blood volume."
     " An increased blood volume would instead have raised that pressure and moved the curve to the right."
     " Changes in cardiac contractility act only on the cardiac function curve, so they"
     " cannot account for a change in the VFC.")},
    {{{QT_TRANSLATE_NOOP("Test", "5. As compared to the control cardiac function curve, curve A indicates that "),
       QT_TRANSLATE_NOOP("Test", "a. TPR is increased "),
       QT_TRANSLATE_NOOP("Test", "b. TPR is decreased"),
       QT_TRANSLATE_NOOP("Test", "c. Blood volume is increased"),
       QT_TRANSLATE_NOOP("Test", "d. Blood volume is decreased"),
       QT_TRANSLATE_NOOP("Test", "e. Cardiac contractility is increased")}},
     5,  // e
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! Curve A is a cardiac function curve that is affected by cardiac contractility."
     " An increase in contractility results in a greater cardiac output for any level of"
     " central venous pressure."
     " All other choices affect the vascular function curve.")},
    {{{QT_TRANSLATE_NOOP("Test", "6. As compared to control cardiac function curve, curve B indicates that"),
       QT_TRANSLATE_NOOP("Test", "a. TPR is reduced"),
       QT_TRANSLATE_NOOP("Test", "b. Blood volume is reduced"),
       QT_TRANSLATE_NOOP("Test", "c. Compliance is reduced"),
       QT_TRANSLATE_NOOP("Test", "d. Cardiac contractility is reduced"),
       QT_TRANSLATE_NOOP("Test", "e. Cardiac contractility is increased")}},
     4,  // d
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! Curve B represents a cardiac function curve with a reduced contractility as"
     " compared to the control curve."
     " CO on curve B is lower at every CVP."
     " A reduced contractility can be physiological, as when sympathetic drive to the myocardium falls."
     " It can also be pathological: it may arise acutely, as with a myocardial infarction, or"
     " develop over time, as in chronic heart disease.   ")},
    {{{QT_TRANSLATE_NOOP("Test", "7. As compared to the control cardiac function curve,curve A could result from"),
       QT_TRANSLATE_NOOP("Test", "a. an increase in blood volume "),
       QT_TRANSLATE_NOOP("Test", "b. an increase in TPR "),
       QT_TRANSLATE_NOOP("Test", "c. a positive inotropic drug "),
       QT_TRANSLATE_NOOP("Test", "d. a negative inotropic drug "),
       QT_TRANSLATE_NOOP("Test", "e. a decrease in sympathetic activity to the myocardium ")}},
     3,  // c
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! Curve A represents an increase in cardiac contractility."
     " An increase in blood volume or in TPR acts on the vascular function curve, not on the"
     " cardiac function curve, so neither of them can produce curve A."
     " A positive inotropic drug raises contractility by definition, and it is the right choice."
     " A negative inotropic drug and a decrease in sympathetic activity to the myocardium"
     " would both lower contractility and move the curve down, as curve B shows, rather than"
     " up as curve A does."
     " The term 'inotropy' is essentially another word for contractility: a positive"
     " inotropic effect is an increase in contractility, and a negative inotropic effect is a"
     " decrease in it. ")},
    {{{QT_TRANSLATE_NOOP("Test", "8. As compared to the control venous return curve, curve C could result from"),
       QT_TRANSLATE_NOOP("Test", "a. an increase in sympathetic activity to peripheral arterioles"),
       QT_TRANSLATE_NOOP("Test", "b. a selective peripheral arteriole alpha-adrenergic blocking agent"),
       QT_TRANSLATE_NOOP("Test", "c. a cardioselective beta-adrenergic agonist"),
       QT_TRANSLATE_NOOP("Test", "d. a significant rapid loss of blood volume"),
       QT_TRANSLATE_NOOP("Test", "e. a positive inotropic drug")}},
     2,  // b
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct!  Curve C is a vascular function curve (also called venous return curve) that"
     " has a greater slope than the control curve."
     " A steeper VFC means a lower total peripheral resistance."
     " Of the choices, only the selective alpha-adrenergic blocking agent explains it: by"
     " blocking the sympathetic constriction of the peripheral arterioles it causes"
     " vasodilation and lowers TPR."
     " An increase in sympathetic activity to the arterioles would constrict them and flatten the curve."
     " A rapid loss of blood would lower the mean circulatory pressure and move the VFC to"
     " the left without a change in slope."
     " A cardioselective beta agonist and a positive inotropic drug act on the heart and"
     " would change the cardiac function curve, not the VFC. ")},
    {{{QT_TRANSLATE_NOOP("Test", "9. Compared to the control venous return curve, curve D indicates"),
       QT_TRANSLATE_NOOP("Test", "a. a decrease in cardiac contractility"),
       QT_TRANSLATE_NOOP("Test", "b. a decrease in venous compliance"),
       QT_TRANSLATE_NOOP("Test", "c. an increase in blood volume due to over-transfusion"),
       QT_TRANSLATE_NOOP("Test", "d. a decrease in TPR due to peripheral arteriole vasodilation"),
       QT_TRANSLATE_NOOP("Test", "e. a decrease in sympathetic activity to the veins")}},
     5,  // e
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! The only choice that could explain the left shift in the vascular function"
     " curve, without a change in slope, is a decrease in sympathetic activity to the veins."
     " Less sympathetic activity lowers the tone of venous smooth muscle and raises venous"
     " compliance, so the veins hold more blood."
     " The mean circulatory pressure then falls, because vascular filling is smaller relative to capacity.  ")},
    {{{QT_TRANSLATE_NOOP("Test", "10. Compared to the control vascular function curve, curve C indicates"),
       QT_TRANSLATE_NOOP("Test", "a. a decrease in cardiac contractility"),
       QT_TRANSLATE_NOOP("Test", "b. a decrease in venous compliance"),
       QT_TRANSLATE_NOOP("Test", "c. an increase in blood volume due to over-transfusion"),
       QT_TRANSLATE_NOOP("Test", "d. a decrease in TPR due to peripheral arteriole vasodilation"),
       QT_TRANSLATE_NOOP("Test", "e. an increase in sympathetic activity to the veins")}},
     4,  // d
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! The only choice that could explain the increased slope of curve C compared to"
     " the control VFC is a decrease in total peripheral resistance."
     " Volume and compliance changes only move the VFC to the right or left, without changing"
     " its slope at all.   ")},
    {{{QT_TRANSLATE_NOOP("Test", "11. Starting at S, what is the new operating point if just cardiac contractility decreases?"),
       QT_TRANSLATE_NOOP("Test", "a.1"),
       QT_TRANSLATE_NOOP("Test", "b. 4"),
       QT_TRANSLATE_NOOP("Test", "c. 6"),
       QT_TRANSLATE_NOOP("Test", "d. 7 "),
       QT_TRANSLATE_NOOP("Test", "e. 8 ")}},
     4,  // d
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! If only contractility changes, then the vascular function curve remains the same."
     " The new operating point lies where the new cardiac function curve (curve B) meets the"
     " old vascular function curve, which is point 7."
     " The weaker heart pumps less with each beat, so blood backs up on the venous side."
     " Compared with S, point 7 has a lower cardiac output and a higher central venous pressure.  ")},
    {{{QT_TRANSLATE_NOOP("Test", "12. Starting at S, what is the new operating point if just cardiac contractility increases?"),
       QT_TRANSLATE_NOOP("Test", "a.1"),
       QT_TRANSLATE_NOOP("Test", "b. 2"),
       QT_TRANSLATE_NOOP("Test", "c. 3"),
       QT_TRANSLATE_NOOP("Test", "d. 5 "),
       QT_TRANSLATE_NOOP("Test", "e. 8 ")}},
     2,  // b
     QT_TRANSLATE_NOOP("Test", "CORRECT! "),
     QT_TRANSLATE_NOOP("Test", "Correct! If only contractility increases, then the vascular function curve remains the same."
     " The new operating point therefore lies where the new cardiac function curve (curve A)"
     " meets the old vascular function curve, which is point 2."
     " Compared with point S, point 2 has a higher cardiac output with a lower central venous"
     " pressure: the heart pumps more blood even though its filling pressure is lower,"
     " because each beat is more forceful and the ventricle is emptied more completely. ")},
    {{{QT_TRANSLATE_NOOP("Test", "13. Starting at S, what is the new operating point if sympathetic activity only to arterioles decreases"),
       QT_TRANSLATE_NOOP("Test", "a.1"),
       QT_TRANSLATE_NOOP("Test", "b. 2"),
       QT_TRANSLATE_NOOP("Test", "c. 3"),
       QT_TRANSLATE_NOOP("Test", "d. 5 "),
       QT_TRANSLATE_NOOP("Test", "e. 8 ")}},
     4,  // d
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! If the only change that occurs is a decrease in sympathtetic activity to"
     " arterioles then there will be a reduction in total peripheral resistance."
     " A lower TPR steepens the vascular function curve without moving the mean systemic"
     " pressure, where the curve crosses the horizontal axis; curve C is the new VFC."
     " Since there is no sympathetic change at the heart, the cardiac function curve stays the same."
     " The new operating point is where curve C meets the control cardiac function curve,"
     " which is point 5, with a higher output than S. ")},
    {{{QT_TRANSLATE_NOOP("Test", "14. Starting at S, what is the new operating point if only blood volume is reduced?"),
       QT_TRANSLATE_NOOP("Test", "a.1"),
       QT_TRANSLATE_NOOP("Test", "b. 2"),
       QT_TRANSLATE_NOOP("Test", "c. 4"),
       QT_TRANSLATE_NOOP("Test", "d. 6 "),
       QT_TRANSLATE_NOOP("Test", "e. 7 ")}},
     3,  // c
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! The effect of decreasing blood volume is to reduce vascular filling in"
     " relation to its capacity."
     " The mean systemic pressure, the pressure that would be found everywhere in the vessels"
     " at zero cardiac output, therefore falls."
     " The VFC's crossing of the x-axis moves to the left, and curve D is the new vascular function curve."
     " With the heart itself unchanged, the new operating point is where curve D meets the"
     " control CFC, which is point 4.")},
    {{{QT_TRANSLATE_NOOP("Test", "15. Starting at S, what is the new operating point if sympathetic activity to heart AND arterioles decrease?"),
       QT_TRANSLATE_NOOP("Test", "a.1"),
       QT_TRANSLATE_NOOP("Test", "b. 4"),
       QT_TRANSLATE_NOOP("Test", "c. 6"),
       QT_TRANSLATE_NOOP("Test", "d. 7 "),
       QT_TRANSLATE_NOOP("Test", "e. 8 ")}},
     5,  // e
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! A decrease in sympathetic activity to the heart reduces contractility so the"
     " new cardiac function curve is curve B."
     " Less sympathetic activity to the arterioles dilates them and lowers total peripheral"
     " resistance, so the steeper curve C becomes the new vascular function curve."
     " The new operating point is where these two curves cross, which is point 8. ")},
    {{{QT_TRANSLATE_NOOP("Test", "16. Starting at S, what is the new operating point if blood volume AND cardiac contractility decrease?"),
       QT_TRANSLATE_NOOP("Test", "a.1"),
       QT_TRANSLATE_NOOP("Test", "b. 2"),
       QT_TRANSLATE_NOOP("Test", "c. 4"),
       QT_TRANSLATE_NOOP("Test", "d. 6 "),
       QT_TRANSLATE_NOOP("Test", "e. 7 ")}},
     4,  // d
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! A decrease in contractility results in a depressed cardiac function curve"
     " (curve B) and a decrease in blood volume shifts the vascular function to the left (curve D)."
     " The new operating point is the intersection of the two new curves, which is point 6, with a lower CO.")},
    {{{QT_TRANSLATE_NOOP("Test", "17. If a patient were initially operating at point 6, what would move her to point S? "),
       QT_TRANSLATE_NOOP("Test", "a. An increase in cardiac contractility"),
       QT_TRANSLATE_NOOP("Test", "b. An increase in cardiac contractility AND a transfusion"),
       QT_TRANSLATE_NOOP("Test", "c. A vasodilator drug AND a transfusion"),
       QT_TRANSLATE_NOOP("Test", "d. An increase in cardiac contractility AND a vasoconstricting drug"),
       QT_TRANSLATE_NOOP("Test", "e. A single vasoconstrictor drug")}},
     2,  // b
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! For the choices given, In order for there to be a possibility of moving the"
     " patient's operating point to point S from point 6, there needs to be an increase in"
     " both cardiac contractility and blood volume."
     " Point 6 lies where the depressed cardiac function curve B meets the shifted venous return curve D."
     " A rise in contractility with a fall in TPR, steepening the VFC until it meets the"
     " control cardiac function curve at S, would also serve, but it is not among the choices. ")},
    {{{QT_TRANSLATE_NOOP("Test", "18. If a patient were initially operating at point 8, what would move him to point S? ."),
       QT_TRANSLATE_NOOP("Test", "a. An increase in cardiac contractility"),
       QT_TRANSLATE_NOOP("Test", "b. An increase in cardiac contractility AND a transfusion"),
       QT_TRANSLATE_NOOP("Test", "c. A vasodilator drug AND a transfusion"),
       QT_TRANSLATE_NOOP("Test", "d. An increase in cardiac contractility AND a vasoconstricting drug"),
       QT_TRANSLATE_NOOP("Test", "e. A potent peripheral acting vasoconstrictor drug")}},
     4,  // d
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! For the choices given, In order for there to be a possibility of moving the"
     " patient's operating point to point S from point 8, there needs to be an increase in"
     " cardiac contractility and an increase in total peripheral resistance that would be"
     " caused by the stated increase in vasoconstriction."
     " Point 8 lies where the depressed cardiac function curve B meets the steeper vascular"
     " function curve C."
     " A rise in contractility with a fall in blood volume or a rise in venous compliance,"
     " moving the VFC to the left until it meets the control cardiac function curve at S,"
     " would also serve, but it is not among the choices. ")},
    {{{QT_TRANSLATE_NOOP("Test", "19. Which of the following most directly determines movement along any SINGLE cardiac function curve?"),
       QT_TRANSLATE_NOOP("Test", "a. Cardiac contractility"),
       QT_TRANSLATE_NOOP("Test", "b. Frank-Starling mechanism"),
       QT_TRANSLATE_NOOP("Test", "c. Sympathetic activity"),
       QT_TRANSLATE_NOOP("Test", "d. Total peripheral resistance"),
       QT_TRANSLATE_NOOP("Test", "e. Central venous volume")}},
     2,  // b
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! Movement along a single cardiac function curve is dependent on the Frank-Starling mechanism."
     " A larger end diastolic volume stretches the ventricular muscle fibers toward their"
     " optimal length and gives a larger stroke volume, and if heart rate does not fall, a"
     " larger cardiac output."
     " This is the heart's own way of matching its output to its input."
     " The mechanism hardly depends on contractility: a change in contractility moves the"
     " heart to a different curve rather than along one."
     " Sympathetic changes act on contractility or on TPR and are not main factors in"
     " movement along a single curve."
     " Central venous pressure and volume act only indirectly, through their effect on the"
     " filling of the ventricle during diastole.")},
    {{{QT_TRANSLATE_NOOP("Test", "20. If CVP was hypothetically maintained constant, which of the following would increase cardiac output?"),
       QT_TRANSLATE_NOOP("Test", "a. an increase in cardiac contractility"),
       QT_TRANSLATE_NOOP("Test", "b. the Frank-Starling mechanism"),
       QT_TRANSLATE_NOOP("Test", "c. both a AND b"),
       QT_TRANSLATE_NOOP("Test", "d. an increase in TPR"),
       QT_TRANSLATE_NOOP("Test", "e. both a AND d")}},
     1,  // a
     QT_TRANSLATE_NOOP("Test", "CORRECT!"),
     QT_TRANSLATE_NOOP("Test", "Correct! Among the choices given on an increase in cardiact contractility would result"
     " in an increase in cardiac output."
     " With CVP held constant, there is no significant Frank-Starling effect, while an"
     " increase in TPR would tend to lower cardiac output rather than increase it.")}
}};

const char *const kClosingLine =
    QT_TRANSLATE_NOOP("Test", "                                   THATS ALL FOLKS! HOPE YOU HAD FUN.");

}  // namespace fc
