#include "core/app/editor.h"

namespace bm::app {

Editor::Editor(ui::Dialogs& dialogs_, ui::Navigator& navigator_)
    : dialogs(dialogs_), navigator(navigator_), menu(navigator_),
      start(dialogs_, navigator_, menu) {}

} // namespace bm::app
