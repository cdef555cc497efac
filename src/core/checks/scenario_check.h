#pragma once

#include "core/context/editing_context.h"

#include <string>
#include <string_view>
#include <vector>

// "Check Scenario": whether a scenario's folder holds every file the game
// needs and every logo its promotions name, so that it can be handed on as
// a copy of the folder. Reads, changes nothing.
namespace bm::checks {

inline constexpr std::string_view kScenarioCheckHeading = "Results Of The Scenario Check";

struct ScenarioCheck {
    std::vector<std::string> lines; // one per file, promotion file problem and logo
    bool ready = true;
    std::string report; // the lines and the verdict as the editing menu shows them
};

ScenarioCheck checkScenario(const context::EditingContext& context);

} // namespace bm::checks
