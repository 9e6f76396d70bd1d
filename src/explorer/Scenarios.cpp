#include "explorer/Scenarios.h"

#include <QLatin1String>
#include <QtGlobal>

#include <algorithm>
#include <string_view>

namespace fc {

namespace {

// Contractility, stressed volume, venous compliance, resistance, in percent of control.
// Each is matched to its figure on the interactions page: MSFP where the figure puts
// the foot of its VFC, and the CFC's plateau and the VFC's slope as drawn. The figures
// of blood loss and of standing up lower MSFP further than the explorer's ranges reach.
// Standing up loses no blood: the legs' veins take it in, which the single venous
// compartment of the model shows as a more compliant one.
constexpr Scenario kScenarios[] = {
    {QT_TRANSLATE_NOOP("fc::Scenario", "Increased contractility"), {200, 100, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "The cardiac function curve rises, so the operating point moves up and to the left along the unchanged vascular function curve: more output at a lower CVP.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Decreased contractility"), {50, 100, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "The cardiac function curve sinks, so the operating point slides down and to the right: less output although CVP is higher.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Transfusion"), {100, 127, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "More volume raises MSFP and shifts the vascular function curve to the right with the same slope, so CVP and output both rise.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Blood loss"), {100, 60, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "Less volume lowers MSFP and shifts the vascular function curve to the left, so CVP and output both fall.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Blood loss after reflexes"), {150, 60, 75, 150},
     QT_TRANSLATE_NOOP("fc::Scenario", "The reflexes raise contractility and heart rate and constrict the veins, which lifts output; the arteriolar constriction that holds up arterial pressure flattens the VFC and takes part of that gain back, so output recovers only part of the way while CVP stays low.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Standing up"), {100, 100, 200, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "Blood pools in the distensible veins of the legs and less of it fills the central veins, as if the veins had grown more compliant: MSFP falls, the vascular function curve shifts to the left, and CVP and output both fall.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Standing up after reflexes"), {130, 100, 124, 110},
     QT_TRANSLATE_NOOP("fc::Scenario", "Baroreceptor reflexes raise contractility and heart rate, constrict the veins and raise resistance a little: output comes back most of the way to its level lying down, at a lower CVP.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Venoconstriction"), {100, 100, 79, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "Constricted veins hold less blood at the same pressure, so MSFP rises as more volume would and the vascular function curve shifts to the right: CVP and output rise.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Vasodilation"), {100, 100, 100, 70},
     QT_TRANSLATE_NOOP("fc::Scenario", "Lower resistance makes the vascular function curve steeper about the same MSFP, so output rises with the same contractility.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Vasoconstriction"), {100, 100, 100, 140},
     QT_TRANSLATE_NOOP("fc::Scenario", "Higher resistance flattens the vascular function curve about the same MSFP, so output and CVP fall.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Moderate heart failure"), {62, 100, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "The failing heart's curve is lower and levels off near 5\u00a0l/min: output falls and CVP rises.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Moderate heart failure with fluid retention"), {62, 130, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "Retained fluid raises MSFP, and the higher CVP brings output back close to normal through the Frank-Starling mechanism.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Severe heart failure"), {40, 100, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "The curve of a severely failing heart levels off near 3\u00a0l/min: output is low and CVP high.")},
    {QT_TRANSLATE_NOOP("fc::Scenario", "Severe heart failure with fluid retention"), {40, 130, 100, 100},
     QT_TRANSLATE_NOOP("fc::Scenario", "Retained fluid raises CVP a great deal but output only a little, as the weak heart has little reserve left to use.")},
};

// The topic a student is reading, by its row text, and the scenario that shows it.
constexpr TopicScenario kTopicScenarios[] = {
    {" Total Peripheral Resistance (TPR)", "Vasoconstriction"},
    {" Blood Volume and Compliance", "Transfusion"},
    {" Cardiac Contractility", "Increased contractility"},
    {" Blood Loss", "Blood loss"},
    {" Orthostatic (postural)", "Standing up"},
    {" Heart Failure", "Moderate heart failure"},
    {" What is the effect of contractility?", "Increased contractility"},
};

}  // namespace

std::span<const Scenario> scenarios()
{
    return kScenarios;
}

std::span<const TopicScenario> topicScenarios()
{
    return kTopicScenarios;
}

std::optional<std::size_t> scenarioOfTopic(const QString &topic)
{
    const auto mapped = std::find_if(std::begin(kTopicScenarios), std::end(kTopicScenarios),
                                     [topic](const TopicScenario &t) {
                                         return topic == QLatin1String(t.topic);
                                     });
    if (mapped == std::end(kTopicScenarios))
        return std::nullopt;
    const auto row = std::find_if(std::begin(kScenarios), std::end(kScenarios),
                                  [mapped](const Scenario &s) {
                                      return std::string_view(s.name) == std::string_view(mapped->scenario);
                                  });
    if (row == std::end(kScenarios))
        return std::nullopt;
    return std::size_t(row - std::begin(kScenarios));
}

}  // namespace fc
