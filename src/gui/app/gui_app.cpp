#include "gui/app/gui_app.h"

namespace bm::gui {

GuiApp::GuiApp(ui::Dialogs& dialogs) : editor_(dialogs, navigator_) {
    startView = std::make_unique<StartScreenView>(editor_.start);
    menuView = std::make_unique<EditingMenuView>(editor_.menu);
    startDateView = std::make_unique<StartDateView>(editor_.startDate);
    calculatorView = std::make_unique<DateCalculatorView>(editor_.calculator);
    promotionMenuView = std::make_unique<PromotionMenuView>(editor_.promotionMenu);
    chooserView = std::make_unique<PromotionChooserView>(editor_.chooser);
    step1View = std::make_unique<Step1View>(editor_.step1);
    pickerView = std::make_unique<ImagePickerView>(editor_.picker);
    navigator_.add(ui::Screen::Start, startView.get());
    navigator_.add(ui::Screen::EditingMenu, menuView.get());
    navigator_.add(ui::Screen::StartDate, startDateView.get());
    navigator_.add(ui::Screen::DateCalculator, calculatorView.get());
    navigator_.add(ui::Screen::PromotionMenu, promotionMenuView.get());
    navigator_.add(ui::Screen::PromotionChooser, chooserView.get());
    navigator_.add(ui::Screen::Step1, step1View.get());
    navigator_.add(ui::Screen::ImagePicker, pickerView.get());
}

GuiApp::~GuiApp() = default;

bool GuiApp::start() {
    return editor_.start.startUp();
}

} // namespace bm::gui
