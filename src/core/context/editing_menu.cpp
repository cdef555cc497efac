#include "core/context/editing_menu.h"

namespace bm::context {

EditingMenu::EditingMenu(ui::Navigator& navigator, EditingContext& context)
    : navigator_(navigator), context_(context),
      contextChanged_(context.subscribe([this] { changed(); })) {}

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
    context_.enableAll();
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
