#pragma once

#include "core/calendar/date_calculator.h"
#include "core/context/editing_context.h"
#include "core/context/editing_menu.h"
#include "core/context/image_picker.h"
#include "core/context/start_date.h"
#include "core/context/start_screen.h"
#include "core/promotion/promotion_chooser.h"
#include "core/promotion/promotion_menu.h"
#include "core/promotion/step1.h"
#include "core/roster/roster_screen.h"
#include "core/roster/stat_editor.h"
#include "core/ui/dialogs.h"
#include "core/ui/navigator.h"

namespace bm::app {

// Every screen model of the editor, made once and wired together. A front
// end supplies the dialogs and the navigator and draws the models.
class Editor {
public:
    Editor(ui::Dialogs& dialogs, ui::Navigator& navigator);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    ui::Dialogs& dialogs;
    ui::Navigator& navigator;

    // Which folder is edited; every screen and check builds its paths from it.
    context::EditingContext context;
    context::EditingMenu menu;
    context::StartScreen start;
    context::StartDateScreen startDate;
    calendar::DateCalculator calculator;

    // The chooser owns the promotion record that the picker and the steps edit.
    promotion::PromotionChooser chooser;
    context::ImagePicker picker;
    promotion::PromotionMenu promotionMenu;
    promotion::Step1 step1;

    // The roster screen owns the roster that the stat editor changes.
    roster::RosterScreen rosterScreen;
    roster::StatEditor statEditor;
};

} // namespace bm::app
