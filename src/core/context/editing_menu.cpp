#include "core/context/editing_menu.h"

#include "core/platform/paths.h"

namespace bm::context {

EditingMenu::EditingMenu(ui::Navigator& navigator) : navigator_(navigator) {}

void EditingMenu::setContext(std::string folder, std::string_view heading) {
    contextFolder_ = std::move(folder);
    heading_ = std::string(heading);
    changed();
}

void EditingMenu::setEnabled(MenuButton button, bool enabled) {
    enabled_[index(button)] = enabled;
    changed();
}

std::filesystem::path EditingMenu::pathOf(std::string_view fileName) const {
    return platform::contextPath(contextFolder_, fileName);
}

void EditingMenu::setAction(MenuButton button, std::function<void()> action) {
    actions_[index(button)] = std::move(action);
}

void EditingMenu::showReport(std::string heading, std::string text) {
    reportHeading_ = std::move(heading);
    reportText_ = std::move(text);
    reporting_ = true;
    changed();
}

void EditingMenu::press(MenuButton button) {
    // A disabled or hidden button cannot be pressed, whatever the view did.
    if (!isEnabled(button) || !isVisible(button)) {
        return;
    }
    if (const auto& action = actions_[index(button)]) {
        action();
    }
}

void EditingMenu::backToMenu() {
    if (reporting_) {
        return;
    }
    enabled_.fill(true);
    changed();
    navigator_.go(ui::Screen::Start);
}

void EditingMenu::closeReport() {
    reporting_ = false;
    changed();
}

bool EditingMenu::isVisible(MenuButton button) const {
    return !(reporting_ && button == MenuButton::ScenarioInfo);
}

} // namespace bm::context
