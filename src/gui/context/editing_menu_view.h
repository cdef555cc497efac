#pragma once

#include "core/context/editing_menu.h"
#include "gui/ui/screen_view.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace bm::gui {

class EditingMenuView : public ScreenView {
    Q_OBJECT
public:
    explicit EditingMenuView(context::EditingMenu& model, QWidget* parent = nullptr);

    QPushButton* button(context::MenuButton b) const {
        return buttons_[static_cast<std::size_t>(b)];
    }
    QLabel* heading;
    QPushButton* backButton;
    QLabel* reportHeading;
    QPlainTextEdit* reportText;
    QPushButton* reportOkButton;

private:
    void render();

    context::EditingMenu& model_;
    std::array<QPushButton*, context::kMenuButtonCount> buttons_{};
    QWidget* reportPanel_;
};

} // namespace bm::gui
