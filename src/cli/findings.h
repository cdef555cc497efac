#pragma once

#include "core/checks/date_check.h"
#include "core/checks/scenario_check.h"
#include "core/promotion/save_rules.h"

#include <optional>
#include <string>
#include <vector>

namespace bm::cli {

// What the save rules say of one promotion file.
struct PromotionFindings {
    std::string file;
    std::string error; // the file could not be read: why
    std::vector<promotion::RuleFailure> failures;
};

// Everything found in one editing context.
struct ContextFindings {
    std::string name; // as given to --context: "Data", "Scenarios/NAME", a saved game's folder
    checks::DateCheck dates;
    std::optional<checks::ScenarioCheck> scenario; // scenarios only
    std::vector<PromotionFindings> promotions;

    bool foundAnything() const;
};

// The plain report: the date check and scenario reports as the editing menu
// shows them, then one "== FILE ==" section per promotion file. Text in
// UTF-8, line ends "\n" (std::cout makes them the platform's).
std::string plainReport(const std::vector<ContextFindings>& contexts);

// The same findings as one JSON document, for tools.
std::string jsonReport(const std::vector<ContextFindings>& contexts);

} // namespace bm::cli
