#pragma once

#include "core/context/editing_context.h"
#include "core/context/scenario_info.h"
#include "core/ui/dialogs.h"
#include "core/ui/navigator.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace bm::context {

inline constexpr std::string_view kScenarioNameTitle = "Scenario Name";
inline constexpr std::string_view kScenarioNameMessage = "Please enter a name for this scenario.";
inline constexpr std::string_view kScenarioNameDefault = "WWF vs WCW 1995";
inline constexpr std::string_view kDuplicateScenario =
    "There is already a scenario in your Scenarios folder with that name.";
inline constexpr std::string_view kScenarioCreated =
    "Please enter some information about this scenario.\r\n\r\nWhen you have done that, you will "
    "be taken to the main editing menu, where you can add wrestlers and promotions to this "
    "scenario, and change the start date.";

// The refusal of a name that cannot be a folder inside Scenarios on every
// platform the game runs on.
std::string unusableScenarioNameMessage(std::string_view name);

// "Create a Scenario" on the start screen: a new scenario folder with copies
// of the base files of "\Data\", an information file and an empty wrestlers
// file; then the information screen of the new scenario.
class ScenarioCreator {
public:
    ScenarioCreator(ui::Dialogs& dialogs, ui::Navigator& navigator, EditingContext& context,
                    ScenarioInfoScreen& info);

    // Asks for a name until one is usable and free, or the user gives up.
    // A scenario is made whole or not at all.
    void create();

private:
    enum class Outcome { Made, Taken, Failed };
    bool ensureScenariosFolder();
    bool isTaken(std::string_view name) const;
    Outcome make(const std::string& name);

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    EditingContext& context_;
    ScenarioInfoScreen& info_;
};

} // namespace bm::context
