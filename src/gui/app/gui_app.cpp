#include "gui/app/gui_app.h"

#include "gui/calendar/date_calculator_view.h"
#include "gui/context/editing_menu_view.h"
#include "gui/context/image_picker_view.h"
#include "gui/context/scenario_info_view.h"
#include "gui/context/start_date_view.h"
#include "gui/context/start_screen_view.h"
#include "gui/promotion/promotion_chooser_view.h"
#include "gui/promotion/promotion_menu_view.h"
#include "gui/promotion/step1_view.h"
#include "gui/promotion/step2_view.h"
#include "gui/promotion/step3_view.h"
#include "gui/promotion/step4_view.h"
#include "gui/promotion/step5_view.h"
#include "gui/promotion/step6_view.h"
#include "gui/promotion/step7_view.h"
#include "gui/promotion/step8_view.h"
#include "gui/roster/bulk_tools_panel.h"
#include "gui/roster/roster_screen_view.h"
#include "gui/roster/stat_editor_view.h"
#include "gui/venues/venue_editor_view.h"

#include <QEvent>

namespace bm::gui {
namespace {

// The close button of a main screen's frame: the editor decides whether the
// program ends. The windows that close because it ends pass through.
class CloseRequests : public QObject {
public:
    CloseRequests(app::Editor& editor, const QtNavigator& navigator)
        : editor_(editor), navigator_(navigator) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close || navigator_.quitting()) {
            return QObject::eventFilter(watched, event);
        }
        event->ignore();
        editor_.closeRequested();
        return true;
    }

private:
    app::Editor& editor_;
    const QtNavigator& navigator_;
};

} // namespace

GuiApp::GuiApp(ui::Dialogs& dialogs)
    : editor_(dialogs, navigator_),
      closeRequests_(std::make_unique<CloseRequests>(editor_, navigator_)) {
    add<StartScreenView>(editor_.start);
    add<EditingMenuView>(editor_.menu);
    add<StartDateView>(editor_.startDate);
    add<DateCalculatorView>(editor_.calculator);
    add<PromotionMenuView>(editor_.promotionMenu);
    add<PromotionChooserView>(editor_.chooser);
    add<Step1View>(editor_.step1);
    add<Step2View>(editor_.step2);
    add<Step3View>(editor_.step3);
    add<Step4View>(editor_.step4);
    add<Step5View>(editor_.step5);
    add<Step6View>(editor_.step6);
    add<Step7View>(editor_.step7);
    add<Step8View>(editor_.step8);
    add<ImagePickerView>(editor_.picker);
    add<ScenarioInfoView>(editor_.scenarioInfo);
    add<VenueEditorView>(editor_.venueEditor);
    add<RosterScreenView>(editor_.rosterScreen);
    add<StatEditorView>(editor_.statEditor);
    view<RosterScreenView>().setBulkToolsPanel(new BulkToolsPanel(editor_.bulkTools));
}

GuiApp::~GuiApp() = default;

bool GuiApp::start() {
    return editor_.start.startUp();
}

} // namespace bm::gui
