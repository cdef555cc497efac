#pragma once

#include "core/calendar/date_calculator.h"
#include "core/context/editing_menu.h"
#include "core/context/start_date.h"
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
    context::StartDateScreen startDate;
    calendar::DateCalculator calculator;
};

} // namespace bm::app
