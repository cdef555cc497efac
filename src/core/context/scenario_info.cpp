#include "core/context/scenario_info.h"

#include "core/platform/paths.h"

namespace bm::context {

// scenarioPrompt() finds a field's prompt by its position.
static_assert([] {
    for (std::size_t i = 0; i < kScenarioPrompts.size(); ++i) {
        if (static_cast<std::size_t>(kScenarioPrompts[i].field) != i ||
            kScenarioPrompts[i].line != i) {
            return false;
        }
    }
    return true;
}());

const ScenarioPrompt& scenarioPrompt(ScenarioField field) {
    return kScenarioPrompts[static_cast<std::size_t>(field)];
}

platform::Lines newScenarioLines(std::string_view name) {
    return {std::string(name), std::string(scenarioPrompt(ScenarioField::scenariodesc).menuDefault),
            std::string(scenarioPrompt(ScenarioField::scenariocreator).menuDefault)};
}

ScenarioInfoScreen::ScenarioInfoScreen(ui::Dialogs& dialogs, ui::Navigator& navigator,
                                       const EditingContext& context)
    : dialogs_(dialogs), navigator_(navigator), context_(context) {}

const std::string& ScenarioInfoScreen::shown(ScenarioField f) const {
    return fields_[static_cast<std::size_t>(f)];
}

std::string ScenarioInfoScreen::unsavedWork() const {
    if (!open_ || fields_ == filled_) {
        return {};
    }
    return "the scenario information, not yet saved in " + context_.folder() +
           std::string(scenariofile::kFileName);
}

void ScenarioInfoScreen::open() {
    const auto path = context_.pathOf(scenariofile::kFileName);
    platform::Lines lines;
    if (!platform::fileExists(path)) {
        if (!dialogs_.askYesNo(kNoScenarioFileQuestion)) {
            return;
        }
    } else if (auto status = platform::readLines(path, lines); !status) {
        dialogs_.message(status.message() + "\r\n\r\nThe scenario information cannot be edited.",
                         ui::Icon::Exclamation);
        return;
    } else if (lines.size() < scenariofile::kLines) {
        dialogs_.message("The file \"" + path.string() + "\" holds " +
                             std::to_string(lines.size()) + " of its " +
                             std::to_string(scenariofile::kLines) +
                             " lines. The missing ones are shown with their defaults and are "
                             "written when you press OK.",
                         ui::Icon::Information);
    }
    fill(lines);
    navigator_.go(ui::Screen::ScenarioInfo);
}

void ScenarioInfoScreen::showNew(std::string_view name) {
    fill(newScenarioLines(name));
}

void ScenarioInfoScreen::fill(const platform::Lines& lines) {
    for (const auto& p : kScenarioPrompts) {
        field(p.field) = p.line < lines.size() ? lines[p.line] : std::string(p.menuDefault);
    }
    filled_ = fields_;
    rest_.clear();
    if (lines.size() > scenariofile::kLines) {
        rest_.assign(lines.begin() + scenariofile::kLines, lines.end());
    }
    open_ = true;
    changed();
}

void ScenarioInfoScreen::edit(ScenarioField f) {
    if (!open_) {
        return;
    }
    const ScenarioPrompt& p = scenarioPrompt(f);
    std::string reply = dialogs_.prompt(p.title, p.message, shown(f));
    if (!reply.empty()) {
        field(f) = std::move(reply);
        changed();
    }
}

void ScenarioInfoScreen::ok() {
    if (!open_) {
        return;
    }
    platform::Lines lines(fields_.begin(), fields_.end());
    lines.insert(lines.end(), rest_.begin(), rest_.end());
    const auto path = context_.pathOf(scenariofile::kFileName);
    if (auto status = platform::writeLines(path, lines); !status) {
        // The values stay on screen, so OK can be pressed again.
        dialogs_.message(status.message(), ui::Icon::Critical);
        return;
    }
    open_ = false;
    navigator_.go(ui::Screen::EditingMenu);
}

} // namespace bm::context
