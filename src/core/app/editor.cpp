#include "core/app/editor.h"

namespace bm::app {

Editor::Editor(ui::Dialogs& dialogs_, ui::Navigator& navigator_)
    : dialogs(dialogs_), navigator(navigator_), menu(navigator_, context),
      start(dialogs_, navigator_, context), startDate(dialogs_, navigator_, context),
      calculator(dialogs_, navigator_), chooser(dialogs_, navigator_, context),
      picker(navigator_, chooser.record()), promotionMenu(dialogs_, navigator_, context, chooser),
      step1(dialogs_, navigator_, chooser, picker), rosterScreen(dialogs_, navigator_, context),
      statEditor(dialogs_, navigator_, context, rosterScreen) {
    menu.setAction(context::MenuButton::StartDate, [this] { startDate.open(); });
    menu.setAction(context::MenuButton::Promotions,
                   [this] { navigator.go(ui::Screen::PromotionMenu); });
    menu.setAction(context::MenuButton::Wrestlers, [this] { rosterScreen.open(); });
    rosterScreen.attach(statEditor);
    // Creating or loading a promotion shows it in every step, in order.
    chooser.addStep(step1);
}

} // namespace bm::app
