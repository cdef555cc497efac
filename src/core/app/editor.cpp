#include "core/app/editor.h"

#include "core/checks/date_check.h"
#include "core/checks/scenario_check.h"

namespace bm::app {

Editor::Editor(ui::Dialogs& dialogs_, ui::Navigator& navigator_)
    : dialogs(dialogs_), navigator(navigator_), menu(navigator_, context),
      start(dialogs_, navigator_, context), startDate(dialogs_, navigator_, context),
      calculator(dialogs_, navigator_), chooser(dialogs_, navigator_, context), picker(navigator_),
      promotionMenu(dialogs_, navigator_, context, chooser),
      scenarioInfo(dialogs_, navigator_, context),
      scenarioCreator(dialogs_, navigator_, context, scenarioInfo),
      venueEditor(dialogs_, navigator_, context), rosterScreen(dialogs_, navigator_, context),
      statEditor(dialogs_, navigator_, context, rosterScreen),
      bulkTools(dialogs_, context, rosterScreen) {
    menu.setAction(context::MenuButton::StartDate, [this] { startDate.open(); });
    menu.setAction(context::MenuButton::Promotions,
                   [this] { navigator.go(ui::Screen::PromotionMenu); });
    menu.setAction(context::MenuButton::Venues, [this] { venueEditor.open(); });
    menu.setAction(context::MenuButton::ScenarioInfo, [this] { scenarioInfo.open(); });
    menu.setAction(context::MenuButton::Wrestlers, [this] { rosterScreen.open(); });
    // Both checks read every file of the context; the pointer is busy until
    // the report is ready.
    menu.setAction(context::MenuButton::CheckDates, [this] {
        std::string report = [this] {
            auto busy = dialogs.busy();
            return checks::checkDates(context).report;
        }();
        menu.showReport(std::string(checks::kDateCheckHeading), std::move(report));
    });
    menu.setAction(context::MenuButton::CheckScenario, [this] {
        std::string report = [this] {
            auto busy = dialogs.busy();
            return checks::checkScenario(context).report;
        }();
        menu.showReport(std::string(checks::kScenarioCheckHeading), std::move(report));
    });
    rosterScreen.attach(statEditor);
    start.setCreateScenarioAction([this] { scenarioCreator.create(); });
    addUnsavedWork([this] { return chooser.unsavedWork(); });
    addUnsavedWork([this] { return startDate.unsavedWork(); });
    addUnsavedWork([this] {
        return rosterScreen.hasUnsavedChanges()
                   ? std::string("the changes to the wrestlers file \"wrestlers.bm1\"")
                   : std::string();
    });
    addUnsavedWork([this] { return venueEditor.unsavedWork(); });
    addUnsavedWork([this] { return scenarioInfo.unsavedWork(); });
}

void Editor::closeRequested() {
    if (navigator.current() == ui::Screen::Start) {
        start.exit();
        return;
    }
    std::string lost;
    for (const auto& describe : unsavedWork_) {
        if (std::string work = describe(); !work.empty()) {
            lost += "\r\n- " + work;
        }
    }
    if (!lost.empty() &&
        !dialogs.askYesNo(std::string(kCloseQuestionStart) + "\r\n" + lost + "\r\n\r\n" +
                              std::string(kCloseQuestionEnd),
                          ui::Icon::Exclamation, ui::kProgramTitle, ui::Default::No)) {
        return;
    }
    navigator.quit();
}

} // namespace bm::app
