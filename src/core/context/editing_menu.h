#pragma once

#include "core/ui/dialogs.h"
#include "core/ui/model.h"
#include "core/ui/navigator.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace bm::context {

inline constexpr std::string_view kHeadingNewGame = "Currently Editing: New Game Data";
inline constexpr std::string_view kHeadingScenario = "Currently Editing: Scenario Data";
inline constexpr std::string_view kHeadingSavedGame = "Currently Editing: Saved Game";

// The seven buttons whose enabled state depends on the editing context.
enum class MenuButton {
    Promotions,
    Wrestlers,
    StartDate,
    Venues,
    CheckDates,
    CheckScenario,
    ScenarioInfo,
};
inline constexpr int kMenuButtonCount = 7;

inline constexpr std::array<std::string_view, kMenuButtonCount> kMenuButtonCaptions{
    "Edit The Promotions Files",
    "Edit The Wrestlers File",
    "Edit The Start Date",
    "Edit The Venues",
    "Check All Dates",
    "Check Scenario",
    "Edit The Scenario Info File",
};

// The hub of one editing context. It owns the context folder for the whole
// run; every screen that opens a data file builds its path from it.
class EditingMenu : public ui::Model {
public:
    explicit EditingMenu(ui::Navigator& navigator);

    // Set by the start screen (or scenario creation) before the menu is shown.
    void setContext(std::string folder, std::string_view heading);
    void setEnabled(MenuButton button, bool enabled);

    const std::string& contextFolder() const { return contextFolder_; }
    // Game folder + context folder + file name, as a native path.
    std::filesystem::path pathOf(std::string_view fileName) const;
    const std::string& heading() const { return heading_; }
    bool isEnabled(MenuButton button) const { return enabled_[index(button)]; }

    // Scratch value shared by the wrestler tools; the menu never reads it.
    std::string startYear = "Start year";

    // Later editors plug in what their button does.
    void setAction(MenuButton button, std::function<void()> action);

    // Report area of the whole-context checks.
    bool reporting() const { return reporting_; }
    const std::string& reportHeading() const { return reportHeading_; }
    const std::string& reportText() const { return reportText_; }
    void showReport(std::string heading, std::string text);

    // What the user can do.
    void press(MenuButton button);
    void backToMenu();
    void closeReport(); // the report's "OK"

    // "Back To Menu" and "Edit The Scenario Info File" are hidden while a
    // report is shown.
    bool isVisible(MenuButton button) const;
    bool backToMenuVisible() const { return !reporting_; }

private:
    static std::size_t index(MenuButton b) { return static_cast<std::size_t>(b); }

    ui::Navigator& navigator_;
    std::string contextFolder_ = "\\Data\\";
    std::string heading_{kHeadingNewGame};
    std::array<bool, kMenuButtonCount> enabled_{true, true, true, true, true, true, true};
    std::array<std::function<void()>, kMenuButtonCount> actions_;
    bool reporting_ = false;
    std::string reportHeading_;
    std::string reportText_;
};

} // namespace bm::context
