#include "core/context/scenario_creator.h"

#include "core/context/main_data.h"
#include "core/platform/line_file.h"
#include "core/platform/paths.h"
#include "core/text/pattern.h"

#include <vector>

namespace bm::context {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kVenuesFileName = "venues.txt";
constexpr std::string_view kWrestlersFileName = "wrestlers.bm1";
constexpr std::string_view kNotCreated = "\r\n\r\nThe scenario was not created.";

using platform::quoted;

// A typed name may be anything; a message shows only its start.
std::string excerpt(std::string_view text) {
    constexpr std::size_t kShown = 60;
    return text.size() <= kShown ? std::string(text) : std::string(text.substr(0, kShown)) + "...";
}

} // namespace

std::string unusableScenarioNameMessage(std::string_view name) {
    return "\"" + excerpt(name) +
           "\" cannot be used as a scenario name, because the scenario's folder takes its name. "
           "A scenario name must not contain \\ / : * ? \" < > | or control characters, must not "
           "be . or .., must not end in a space or a dot, must not be longer than 255 "
           "characters, and must not be a reserved device name such as CON, PRN, AUX, NUL, COM1 "
           "or LPT1.";
}

ScenarioCreator::ScenarioCreator(ui::Dialogs& dialogs, ui::Navigator& navigator,
                                 EditingContext& context, ScenarioInfoScreen& info)
    : dialogs_(dialogs), navigator_(navigator), context_(context), info_(info) {}

void ScenarioCreator::create() {
    if (!ensureScenariosFolder()) {
        return;
    }
    for (;;) {
        const std::string name =
            dialogs_.prompt(kScenarioNameTitle, kScenarioNameMessage, kScenarioNameDefault);
        if (name.empty()) {
            return;
        }
        // Checked first: a name with separators or ".." would otherwise be
        // looked up, and made, outside Scenarios.
        if (!platform::isSafeFileName(name) || !platform::isPlainFolderName(name)) {
            dialogs_.message(unusableScenarioNameMessage(name), ui::Icon::Exclamation);
            continue;
        }
        if (isTaken(name)) {
            dialogs_.message(kDuplicateScenario, ui::Icon::Exclamation);
            continue;
        }
        switch (make(name)) {
        case Outcome::Taken:
            continue;
        case Outcome::Failed:
            return;
        case Outcome::Made:
            break;
        }
        context_.enter(ContextKind::Scenario,
                       EditingContext::folderOf(ContextKind::Scenario, name));
        context_.enableAll();
        info_.showNew(name);
        dialogs_.message(kScenarioCreated, ui::Icon::Information);
        navigator_.go(ui::Screen::ScenarioInfo);
        return;
    }
}

bool ScenarioCreator::ensureScenariosFolder() {
    for (const auto& folder : platform::listFolders(platform::gameFolder())) {
        if (folder == kScenariosFolderName) {
            return true;
        }
    }
    const fs::path folder = platform::gameFolder() / std::string(kScenariosFolderName);
    if (auto status = platform::createFolder(folder); !status) {
        dialogs_.message(status.message() + std::string(kNotCreated), ui::Icon::Critical);
        return false;
    }
    return true;
}

// The folder paths are compared as a case-sensitive pattern, so "#" or
// "[...]" in the name match other folders than the plain name would; make()
// still refuses a folder that turns out to be there.
bool ScenarioCreator::isTaken(std::string_view name) const {
    const std::string suffix = "\\" + std::string(kScenariosFolderName) + "\\";
    const std::string pattern = "*" + suffix + std::string(name);
    const fs::path scenarios = platform::gameFolder() / std::string(kScenariosFolderName);
    for (const auto& folder : platform::listFolders(scenarios)) {
        if (text::matchesPattern(suffix + folder, pattern)) {
            return true;
        }
    }
    return false;
}

ScenarioCreator::Outcome ScenarioCreator::make(const std::string& name) {
    // The base files are read first, so a missing one leaves nothing behind.
    struct File {
        std::string_view name;
        std::string bytes;
    };
    File files[] = {
        {maindata::kFileName, {}},
        {kVenuesFileName, {}},
        {scenariofile::kFileName, platform::joinLines(newScenarioLines(name))},
        {kWrestlersFileName, {}}, // no wrestlers yet: an empty file
    };
    for (auto& file : {&files[0], &files[1]}) {
        const fs::path source = platform::contextPath(kDataFolder, file->name);
        if (auto status = platform::readFileBytes(source, file->bytes); !status) {
            dialogs_.message(status.message() + std::string(kNotCreated), ui::Icon::Exclamation);
            return Outcome::Failed;
        }
    }

    const fs::path folder =
        platform::contextPath(EditingContext::folderOf(ContextKind::Scenario, name));
    bool existed = false;
    if (auto status = platform::createFolder(folder, &existed); !status) {
        if (existed) {
            // Another scenario's folder: its name differs in letter case
            // only, on a file system that ignores case, or it escaped the
            // pattern.
            dialogs_.message("The folder " + quoted(folder) +
                                 " cannot be made: a folder or file of that name, perhaps in "
                                 "other letter case, is already there. Please choose a different "
                                 "name.",
                             ui::Icon::Exclamation);
            return Outcome::Taken;
        }
        dialogs_.message(status.message() + std::string(kNotCreated), ui::Icon::Critical);
        return Outcome::Failed;
    }

    std::vector<fs::path> written;
    for (const auto& file : files) {
        const fs::path target = folder / std::string(file.name);
        written.push_back(target);
        if (auto status = platform::writeFileAtomic(target, file.bytes); !status) {
            // Half a scenario would be listed and edited as a whole one. The
            // failed file may be in place already: only its folder sync failed.
            std::string message = status.message() + std::string(kNotCreated);
            bool removed = true;
            for (const auto& path : written) {
                if (platform::fileExists(path)) {
                    removed = platform::deleteFile(path) && removed;
                }
            }
            if (!removed || !platform::removeEmptyFolder(folder)) {
                message += " Its folder " + quoted(folder) +
                           " could not be removed again: please delete it, or it will be listed "
                           "as a scenario.";
            }
            dialogs_.message(message, ui::Icon::Critical);
            return Outcome::Failed;
        }
    }
    return Outcome::Made;
}

} // namespace bm::context
