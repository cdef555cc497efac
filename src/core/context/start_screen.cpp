#include "core/context/start_screen.h"

#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/platform/paths.h"

#include <filesystem>

namespace bm::context {
namespace fs = std::filesystem;
using platform::gameFolder;

namespace {

bool hasSubFolder(std::string_view name) {
    for (const auto& folder : platform::listFolders(gameFolder())) {
        if (folder == name) {
            return true;
        }
    }
    return false;
}

} // namespace

StartScreen::StartScreen(ui::Dialogs& dialogs, ui::Navigator& navigator, EditingContext& context)
    : dialogs_(dialogs), navigator_(navigator), context_(context) {}

bool StartScreen::startUp() {
    if (!hasSubFolder("Data")) {
        dialogs_.message("This editor must be kept in the same folder as the Brawlmark 1.3 exe "
                         "file (not in the Data folder).\r\n\r\nPlease move the editor, then "
                         "reopen the editor.",
                         ui::Icon::Exclamation);
        navigator_.quit();
        return false;
    }
    navigator_.go(ui::Screen::Start);
    return true;
}

void StartScreen::editNewGameData() {
    context_.enter(ContextKind::NewGameData, EditingContext::folderOf(ContextKind::NewGameData));
    navigator_.go(ui::Screen::EditingMenu);
}

void StartScreen::editScenario() {
    if (!hasSubFolder("Scenarios")) {
        if (auto status = platform::createFolder(gameFolder() / "Scenarios"); !status) {
            dialogs_.message(status.message(), ui::Icon::Exclamation);
        }
    }
    items_.clear();
    for (auto& name : platform::listFolders(gameFolder() / "Scenarios")) {
        // A name with a backslash would be read as several folders.
        if (platform::isPlainFolderName(name)) {
            items_.push_back(std::move(name));
        }
    }
    openList(ListKind::Scenarios);
}

void StartScreen::createScenario() {
    if (createScenario_) {
        createScenario_();
    }
}

void StartScreen::editSavedGame() {
    items_.clear();
    std::string refused;
    for (const auto& marker : platform::listFiles(gameFolder(), "*.sav")) {
        platform::Lines first;
        const auto status = platform::readFirstLines(gameFolder() / marker, 1, first);
        const std::string quoted = "\"" + marker + "\"";
        if (!status) {
            refused += "\r\n" + status.message();
        } else if (first.empty() || first.front().empty()) {
            refused += "\r\nThe saved game file " + quoted + " is empty.";
        } else if (platform::hasBareLineFeed(first, 1)) {
            refused += "\r\nThe saved game file " + quoted +
                       " has lines ended by a bare line feed (LF) instead of CR LF.";
        } else if (!platform::isPlainFolderName(first.front())) {
            refused += "\r\nThe saved game file " + quoted +
                       " names a folder outside the game folder: " + first.front();
        } else {
            items_.push_back(first.front());
        }
    }
    if (!refused.empty()) {
        dialogs_.message("These saved games cannot be edited and are not listed:" + refused,
                         ui::Icon::Exclamation);
    }
    openList(ListKind::SavedGames);
}

void StartScreen::exit() {
    navigator_.quit();
}

void StartScreen::select(int row) {
    selected_ = (row >= 0 && row < static_cast<int>(items_.size())) ? row : -1;
    changed();
}

void StartScreen::ok() {
    if (!choosing_) {
        return;
    }
    if (selected_ < 0) {
        dialogs_.message("Nothing is selected!");
        closeList();
        return;
    }
    const std::string name = items_[static_cast<std::size_t>(selected_)];
    closeList();
    if (listKind_ == ListKind::Scenarios) {
        enterScenario(name);
    } else {
        enterSavedGame(name);
    }
}

void StartScreen::cancel() {
    closeList();
}

void StartScreen::openList(ListKind kind) {
    listKind_ = kind;
    listHeading_ = std::string(kind == ListKind::Scenarios ? kChooseScenario : kChooseSavedGame);
    selected_ = -1;
    choosing_ = true;
    changed();
}

void StartScreen::closeList() {
    choosing_ = false;
    selected_ = -1;
    changed();
}

void StartScreen::enterScenario(const std::string& name) {
    context_.enter(ContextKind::Scenario, EditingContext::folderOf(ContextKind::Scenario, name));
    repairFromData(maindata::kFileName,
                   "This scenario was missing the maindata.bm1 file. The editor has now copied "
                   "the new game maindata.bm1 file into this scenario's folder. Don't forget to "
                   "update the start date of the scenario!");
    repairFromData("venues.txt",
                   "This scenario was missing the venues.txt file. The editor has now copied the "
                   "new game venues file into this scenario's folder.");
    navigator_.go(ui::Screen::EditingMenu);
}

void StartScreen::repairFromData(std::string_view fileName, std::string_view repairedMessage) {
    const fs::path target = context_.pathOf(fileName);
    if (platform::fileExists(target)) {
        return;
    }
    const fs::path source = platform::contextPath(kDataFolder, fileName);
    if (!platform::fileExists(source)) {
        dialogs_.message("This scenario is missing the " + std::string(fileName) +
                             " file, and it could not be copied from \"" + source.string() +
                             "\" because that file does not exist either.",
                         ui::Icon::Exclamation);
        return;
    }
    if (auto status = platform::copyFileAtomic(source, target); !status) {
        dialogs_.message(status.message(), ui::Icon::Critical);
        return;
    }
    dialogs_.message(repairedMessage, ui::Icon::Information);
}

void StartScreen::enterSavedGame(const std::string& name) {
    context_.enter(ContextKind::SavedGame, EditingContext::folderOf(ContextKind::SavedGame, name));
    navigator_.go(ui::Screen::EditingMenu);
}

} // namespace bm::context
