#include "core/app/editor.h"

namespace bm::app {

Editor::Editor(ui::Dialogs& dialogs_, ui::Navigator& navigator_)
    : dialogs(dialogs_), navigator(navigator_), menu(navigator_), start(dialogs_, navigator_, menu),
      startDate(dialogs_, navigator_, menu), calculator(dialogs_, navigator_),
      chooser(dialogs_, navigator_, menu), picker(navigator_, chooser.record()),
      promotionMenu(dialogs_, navigator_, menu, chooser),
      step1(dialogs_, navigator_, chooser, picker) {
    menu.setAction(context::MenuButton::StartDate, [this] { startDate.open(); });
    menu.setAction(context::MenuButton::Promotions,
                   [this] { navigator.go(ui::Screen::PromotionMenu); });
    // Creating or loading a promotion shows it in every step, in order.
    chooser.addStep(step1);
}

} // namespace bm::app
