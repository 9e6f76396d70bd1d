#pragma once

#include "explorer/CurveModel.h"

#include <QString>

#include <optional>
#include <span>

namespace fc {

// A setting of the four factors that shows one topic of the interactions page, and
// what to look for in it. Name and caption are translated where shown.
struct Scenario {
    const char *name;
    Factors factors;
    const char *caption;
};

std::span<const Scenario> scenarios();

// The scenario a page's topic opens the explorer on: the row of scenarios() that
// shows it, or none where the explorer opens at control. `topic` is the row text of
// the topic list, as the page shows it.
std::optional<std::size_t> scenarioOfTopic(const QString &topic);

// The topics that open a scenario, for the tests to hold against the pages.
struct TopicScenario {
    const char *topic;
    const char *scenario;
};
std::span<const TopicScenario> topicScenarios();

}  // namespace fc
