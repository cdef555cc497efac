#pragma once

#include "core/context/editing_context.h"
#include "core/context/scenario_file.h"
#include "core/platform/line_file.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace bm::context {

inline constexpr std::string_view kScenarioInfoHeading = "Scenario Information File";
inline constexpr std::string_view kScenarioInfoHint = "Click an item to edit";
inline constexpr std::string_view kScenarioInfoOk = "OK";
inline constexpr std::string_view kNoScenarioFileQuestion =
    "There is no scenario.txt file for this scenario, would you like to create one?";

enum class ScenarioField { scenarioname, scenariodesc, scenariocreator };

struct ScenarioPrompt {
    ScenarioField field;
    std::size_t line;
    std::string_view caption;
    std::string_view title;
    std::string_view message;
    std::string_view menuDefault; // when the file is made from the editing menu
};
inline constexpr std::array<ScenarioPrompt, scenariofile::kLines> kScenarioPrompts{{
    {ScenarioField::scenarioname, scenariofile::scenarioname, "Title Of Scenario", "Scenario Name",
     "Please enter the name of this scenario, eg. 'WWF vs WCW 1995'.", "Enter a title here."},
    {ScenarioField::scenariodesc, scenariofile::scenariodesc, "Scenario Description",
     "Scenario Description", "Please enter a short description of this scenario.",
     "Enter a description here."},
    {ScenarioField::scenariocreator, scenariofile::scenariocreator, "Your Name", "Scenario Creator",
     "Please enter your name, which will show as a credit in the game.", "Enter your name here."},
}};
const ScenarioPrompt& scenarioPrompt(ScenarioField field);

// The information file of a scenario just made under `name`.
platform::Lines newScenarioLines(std::string_view name);

// Edits the information file of the scenario being edited. Leaving by "OK"
// always writes the file; there is no way to leave without it.
class ScenarioInfoScreen : public ui::Model {
public:
    ScenarioInfoScreen(ui::Dialogs& dialogs, ui::Navigator& navigator,
                       const EditingContext& context);

    // "Edit The Scenario Info File" on the editing menu.
    void open();
    // A scenario just made: its typed name and the other two defaults.
    void showNew(std::string_view name);

    // What the user can do.
    void edit(ScenarioField field);
    void ok();

    const std::string& shown(ScenarioField field) const;
    // Changes that only "OK" writes, named for the question before the
    // editor closes; "" when there are none.
    std::string unsavedWork() const;

private:
    std::string& field(ScenarioField f) { return fields_[static_cast<std::size_t>(f)]; }
    void fill(const platform::Lines& lines);

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    const EditingContext& context_;

    bool open_ = false;
    std::array<std::string, scenariofile::kLines> fields_;
    std::array<std::string, scenariofile::kLines> filled_; // as the screen was opened
    // Lines after the third, as read: the game does not read them, but they
    // are not the editor's to drop.
    platform::Lines rest_;
};

} // namespace bm::context
