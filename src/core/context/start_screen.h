#pragma once

#include "core/context/editing_context.h"
#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bm::context {

inline constexpr std::string_view kNewGameButton = "Edit Data For New Games";
inline constexpr std::string_view kScenarioButton = "Edit a Scenario";
inline constexpr std::string_view kCreateScenarioButton = "Create a Scenario";
inline constexpr std::string_view kSavedGameButton = "Edit a Saved Game";
inline constexpr std::string_view kExitButton = "Exit";
inline constexpr std::string_view kChooseOk = "OK";
inline constexpr std::string_view kChooseCancel = "Cancel";
inline constexpr std::string_view kChooseFirstHeading = "Choose a Scenario";
inline constexpr std::string_view kChooseScenario = "Choose a Scenario to Edit";
inline constexpr std::string_view kChooseSavedGame = "Choose a Saved Game to Edit";

// What the choice list holds.
enum class ListKind { Scenarios, SavedGames };

// The first window: checks the game folder and chooses the editing context.
class StartScreen : public ui::Model {
public:
    StartScreen(ui::Dialogs& dialogs, ui::Navigator& navigator, EditingContext& context);

    // Runs once when the program starts. False when the current directory is
    // not a game folder: the user has been told and the program must end.
    bool startUp();

    void editNewGameData();
    void editScenario();
    void createScenario();
    void editSavedGame();
    void exit();

    void select(int row);
    void ok();
    void cancel();

    // Scenario creation is plugged in by its own screen.
    void setCreateScenarioAction(std::function<void()> action) {
        createScenario_ = std::move(action);
    }

    // Shown state: the five buttons, or the choice list with its heading.
    bool choosing() const { return choosing_; }
    const std::string& listHeading() const { return listHeading_; }
    const std::vector<std::string>& items() const { return items_; }
    int selected() const { return selected_; }

private:
    void openList(ListKind kind);
    void closeList();
    void enterScenario(const std::string& name);
    void enterSavedGame(const std::string& name);
    void repairFromData(std::string_view fileName, std::string_view repairedMessage);

    ui::Dialogs& dialogs_;
    ui::Navigator& navigator_;
    EditingContext& context_;
    std::function<void()> createScenario_;

    bool choosing_ = false;
    ListKind listKind_ = ListKind::Scenarios;
    std::string listHeading_{kChooseFirstHeading};
    std::vector<std::string> items_;
    int selected_ = -1;
};

} // namespace bm::context
