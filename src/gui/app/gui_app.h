#pragma once

#include "core/app/editor.h"
#include "gui/calendar/date_calculator_view.h"
#include "gui/context/editing_menu_view.h"
#include "gui/context/image_picker_view.h"
#include "gui/context/start_date_view.h"
#include "gui/context/start_screen_view.h"
#include "gui/promotion/promotion_chooser_view.h"
#include "gui/promotion/promotion_menu_view.h"
#include "gui/promotion/step1_view.h"
#include "gui/ui/qt_navigator.h"

#include <memory>

namespace bm::gui {

// The editor's models drawn by their Qt views. The dialogs are passed in so
// that tests can script them.
class GuiApp {
    // Declared first so that they outlive the views, which call them.
    QtNavigator navigator_;
    app::Editor editor_;

public:
    explicit GuiApp(ui::Dialogs& dialogs);
    ~GuiApp();

    // The start-up check, then the start screen. False when the program must end.
    bool start();

    app::Editor& editor() { return editor_; }
    QtNavigator& navigator() { return navigator_; }

    // Views, owned here (top-level windows have no parent).
    std::unique_ptr<StartScreenView> startView;
    std::unique_ptr<EditingMenuView> menuView;
    std::unique_ptr<StartDateView> startDateView;
    std::unique_ptr<DateCalculatorView> calculatorView;
    std::unique_ptr<PromotionMenuView> promotionMenuView;
    std::unique_ptr<PromotionChooserView> chooserView;
    std::unique_ptr<Step1View> step1View;
    std::unique_ptr<ImagePickerView> pickerView;
};

} // namespace bm::gui
