#include "gui/app/gui_app.h"

namespace bm::gui {

GuiApp::GuiApp(ui::Dialogs& dialogs) : editor_(dialogs, navigator_) {
    startView = std::make_unique<StartScreenView>(editor_.start);
    menuView = std::make_unique<EditingMenuView>(editor_.menu);
    promotionMenuView = std::make_unique<PromotionMenuView>(editor_.promotionMenu);
    chooserView = std::make_unique<PromotionChooserView>(editor_.chooser);
    step1View = std::make_unique<Step1View>(editor_.step1);
    pickerView = std::make_unique<ImagePickerView>(editor_.picker);
    navigator_.add(ui::Screen::Start, startView.get());
    navigator_.add(ui::Screen::EditingMenu, menuView.get());
    navigator_.add(ui::Screen::PromotionMenu, promotionMenuView.get());
    navigator_.add(ui::Screen::PromotionChooser, chooserView.get());
    navigator_.add(ui::Screen::Step1, step1View.get());
    navigator_.add(ui::Screen::ImagePicker, pickerView.get());
}

GuiApp::~GuiApp() {
    // Views go before the models they draw and call.
    pickerView.reset();
    step1View.reset();
    chooserView.reset();
    promotionMenuView.reset();
    menuView.reset();
    startView.reset();
}

bool GuiApp::start() {
    return editor_.start.startUp();
}

} // namespace bm::gui
