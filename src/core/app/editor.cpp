#include "core/app/editor.h"

namespace bm::app {

Editor::Editor(ui::Dialogs& dialogs_, ui::Navigator& navigator_)
    : dialogs(dialogs_), navigator(navigator_), menu(navigator_), start(dialogs_, navigator_, menu),
      startDate(dialogs_, navigator_, menu), calculator(dialogs_, navigator_) {
    menu.setAction(context::MenuButton::StartDate, [this] { startDate.open(); });
}

} // namespace bm::app
