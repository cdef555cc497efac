#pragma once

#include "core/context/editing_menu.h"
#include "core/context/start_screen.h"
#include "core/ui/dialogs.h"
#include "core/ui/navigator.h"

namespace bm::app {

// Every screen model of the editor, made once and wired together. A front
// end supplies the dialogs and the navigator and draws the models.
class Editor {
public:
    Editor(ui::Dialogs& dialogs, ui::Navigator& navigator);

    ui::Dialogs& dialogs;
    ui::Navigator& navigator;

    context::EditingMenu menu;
    context::StartScreen start;
};

} // namespace bm::app
