#pragma once

#include "core/promotion/promotion_chooser.h"
#include "gui/ui/screen_view.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace bm::gui {

class PromotionChooserView : public ScreenView {
    Q_OBJECT
public:
    explicit PromotionChooserView(promotion::PromotionChooser& model, QWidget* parent = nullptr);

    QLabel* heading;
    QLabel* promptLine;
    QListWidget* list;
    QLabel* nameoffile;
    QPushButton* actionButton;
    QPushButton* backButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render();

    promotion::PromotionChooser& model_;
};

} // namespace bm::gui
