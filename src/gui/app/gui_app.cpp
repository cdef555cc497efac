#include "gui/app/gui_app.h"

namespace bm::gui {

GuiApp::GuiApp(ui::Dialogs& dialogs) : editor_(dialogs, navigator_) {
    startView = std::make_unique<StartScreenView>(editor_.start);
    menuView = std::make_unique<EditingMenuView>(editor_.menu);
    navigator_.add(ui::Screen::Start, startView.get());
    navigator_.add(ui::Screen::EditingMenu, menuView.get());
}

GuiApp::~GuiApp() = default;

bool GuiApp::start() {
    return editor_.start.startUp();
}

} // namespace bm::gui
