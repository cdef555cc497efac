#pragma once

#include "core/promotion/step4.h"
#include "gui/promotion/step_view.h"
#include "gui/ui/field_grid.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace bm::gui {

class SelectionBar;

class Step4View : public StepView {
    Q_OBJECT
public:
    explicit Step4View(promotion::Step4& model, QWidget* parent = nullptr);

    QComboBox* ppvdeal;
    ValueField* field(promotion::Step4Field f) const { return prompts_.field(f); }
    QLabel* monthText;
    SelectionBar* months;
    ValueField* field(promotion::BigShowField f) const { return monthPrompts_.field(f); }
    QComboBox* bigshowbrand;
    QPushButton* logoButton;

private:
    void render();

    promotion::Step4& model_;
    // The promotion's own fields, above the months.
    FieldGrid top_;
    PromptRows<promotion::Step4Field, promotion::kStep4Prompts.size()> prompts_;
    PromptRows<promotion::BigShowField, promotion::kBigShowPrompts.size()> monthPrompts_;
};

} // namespace bm::gui
