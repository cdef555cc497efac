#pragma once

#include "core/calendar/date_calculator.h"
#include "core/context/editing_context.h"
#include "core/context/editing_menu.h"
#include "core/context/image_picker.h"
#include "core/context/scenario_creator.h"
#include "core/context/scenario_info.h"
#include "core/context/start_date.h"
#include "core/context/start_screen.h"
#include "core/promotion/promotion_chooser.h"
#include "core/promotion/promotion_menu.h"
#include "core/promotion/step.h"
#include "core/promotion/step1.h"
#include "core/promotion/step2.h"
#include "core/promotion/step3.h"
#include "core/promotion/step4.h"
#include "core/promotion/step5.h"
#include "core/promotion/step6.h"
#include "core/promotion/step7.h"
#include "core/promotion/step8.h"
#include "core/roster/bulk_tools.h"
#include "core/roster/roster_screen.h"
#include "core/roster/stat_editor.h"
#include "core/ui/dialogs.h"
#include "core/ui/navigator.h"
#include "core/venues/venue_editor.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bm::app {

// Asked before the editor closes with work that would be lost; the list of
// that work (one line each) goes between the two parts.
inline constexpr std::string_view kCloseQuestionStart =
    "Closing the editor now will lose work that has not been saved:";
inline constexpr std::string_view kCloseQuestionEnd = "Close the editor anyway?";

// Every screen model of the editor, made once and wired together. A front
// end supplies the dialogs and the navigator and draws the models.
class Editor {
public:
    // Describes unsaved work of one screen ("the changes to the promotion
    // "x.fed""), or "" when it holds none.
    using UnsavedWork = std::function<std::string()>;

    Editor(ui::Dialogs& dialogs, ui::Navigator& navigator);
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // A screen that holds work until its own save registers here, so that
    // closing the editor asks first.
    void addUnsavedWork(UnsavedWork describe) { unsavedWork_.push_back(std::move(describe)); }
    // The user closes the window of a main screen. On the start screen that
    // is "Exit"; elsewhere the editor ends at once unless work would be
    // lost, and then only when the user agrees (Enter keeps it open).
    void closeRequested();

    ui::Dialogs& dialogs;
    ui::Navigator& navigator;

    // Which folder is edited; every screen and check builds its paths from it.
    context::EditingContext context;
    context::EditingMenu menu;
    context::StartScreen start;
    context::StartDateScreen startDate;
    calendar::DateCalculator calculator;

    // The chooser owns the promotion record that the steps edit; the steps
    // reach the picker only through its seam.
    promotion::PromotionChooser chooser;
    context::ImagePicker picker;
    promotion::PromotionMenu promotionMenu;
    promotion::StepServices stepServices{dialogs, navigator, chooser, picker};
    promotion::Step1 step1{stepServices};
    promotion::Step2 step2{stepServices};
    promotion::Step3 step3{stepServices};
    promotion::Step4 step4{stepServices};
    promotion::Step5 step5{stepServices};
    promotion::Step6 step6{stepServices};
    promotion::Step7 step7{stepServices};
    promotion::Step8 step8{stepServices, context};

    context::ScenarioInfoScreen scenarioInfo;
    context::ScenarioCreator scenarioCreator;
    venues::VenueEditor venueEditor;

    // The roster screen owns the roster that the stat editor changes.
    roster::RosterScreen rosterScreen;
    roster::StatEditor statEditor;
    roster::BulkTools bulkTools;

private:
    std::vector<UnsavedWork> unsavedWork_;
};

} // namespace bm::app
