#include "core/context/editing_context.h"

#include "core/platform/paths.h"

namespace bm::context {

std::string EditingContext::folderOf(ContextKind kind, std::string_view name) {
    switch (kind) {
    case ContextKind::NewGameData:
        return std::string(kDataFolder);
    case ContextKind::Scenario:
        return "\\" + std::string(kScenariosFolderName) + "\\" + std::string(name) + "\\";
    case ContextKind::SavedGame:
        break;
    }
    return "\\" + std::string(name) + "\\";
}

void EditingContext::enter(ContextKind kind, std::string folder) {
    kind_ = kind;
    folder_ = std::move(folder);
    const bool full = kind != ContextKind::SavedGame;
    const bool scenario = kind == ContextKind::Scenario;
    enabled_ = {full, true, full, full, true, scenario, scenario};
    changed();
}

void EditingContext::enableAll() {
    enabled_.fill(true);
    changed();
}

std::string_view EditingContext::heading() const {
    switch (kind_) {
    case ContextKind::Scenario:
        return kHeadingScenario;
    case ContextKind::SavedGame:
        return kHeadingSavedGame;
    case ContextKind::NewGameData:
        break;
    }
    return kHeadingNewGame;
}

std::filesystem::path EditingContext::pathOf(std::string_view fileName) const {
    return platform::contextPath(folder_, fileName);
}

} // namespace bm::context
