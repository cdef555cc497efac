#pragma once

#include "core/promotion/promotion_menu.h"
#include "gui/ui/screen_view.h"

class QLabel;
class QPushButton;

namespace bm::gui {

class PromotionMenuView : public ScreenView {
    Q_OBJECT
public:
    explicit PromotionMenuView(promotion::PromotionMenu& model, QWidget* parent = nullptr);

    QLabel* heading;
    QPushButton* createButton;
    QPushButton* editButton;
    QPushButton* deleteButton;
    QPushButton* backButton;
    QLabel* aboutHeading;
    QLabel* aboutText;

protected:
    void showEvent(QShowEvent* event) override;

private:
    promotion::PromotionMenu& model_;
};

} // namespace bm::gui
