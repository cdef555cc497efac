#pragma once

#include "core/ui/model.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace bm::context {

enum class ContextKind { NewGameData, Scenario, SavedGame };

inline constexpr std::string_view kDataFolder = "\\Data\\";
inline constexpr std::string_view kScenariosFolderName = "Scenarios";

inline constexpr std::string_view kHeadingNewGame = "Currently Editing: New Game Data";
inline constexpr std::string_view kHeadingScenario = "Currently Editing: Scenario Data";
inline constexpr std::string_view kHeadingSavedGame = "Currently Editing: Saved Game";

// The seven editing-menu buttons whose enabled state depends on the context.
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

// Which folder is being edited and of which kind. Every screen and every
// whole-folder check builds its paths from here; a command-line front end
// makes one from a folder name alone, without any screen.
class EditingContext : public ui::Model {
public:
    // New Game Data on "\Data\" with every button enabled, as at start-up.
    EditingContext() = default;

    // "\Data\", "\Scenarios\NAME\" or "\NAME\" (a saved game's folder).
    static std::string folderOf(ContextKind kind, std::string_view name = {});

    // Switches to a context: its folder, and the buttons its kind enables.
    void enter(ContextKind kind, std::string folder);
    // Every button enabled (leaving the menu, or a scenario just created).
    void enableAll();

    ContextKind kind() const { return kind_; }
    // The context folder as text, with a backslash at each end.
    const std::string& folder() const { return folder_; }
    std::string_view heading() const;
    // Game folder (read afresh) + context folder + file name, as a native path.
    std::filesystem::path pathOf(std::string_view fileName = {}) const;
    bool isEnabled(MenuButton button) const { return enabled_[static_cast<std::size_t>(button)]; }

    // Scratch value of the wrestler tools: they fill it with the main data
    // file's year and read it back. Nothing else reads it.
    std::string startYear = "Start year";

private:
    ContextKind kind_ = ContextKind::NewGameData;
    std::string folder_{kDataFolder};
    std::array<bool, kMenuButtonCount> enabled_{true, true, true, true, true, true, true};
};

} // namespace bm::context
